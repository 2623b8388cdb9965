#pragma once
#include <optional>
#include <string>
#include <vector>

namespace orvella {

class AnsiCodec;
class FileSystem;

// A text file of one entry per line, in the ANSI code page (UTF-8 after a byte-order mark).
// Lines end at CR, LF or CR LF; the last line needs no line end; an empty line is an entry.
// Nothing when the file is missing or unreadable.
std::optional<std::vector<std::string>> ReadLineFile(const FileSystem& files, const AnsiCodec& codec,
                                                     const std::string& path);

// Every line followed by CR LF, the last one too; no lines make an empty file. Throws
// FileCreateError ("Cannot create file "<path>". <reason>") when the file cannot be written.
void WriteLineFile(FileSystem& files, const AnsiCodec& codec, const std::string& path,
                   const std::vector<std::string>& lines);

}  // namespace orvella

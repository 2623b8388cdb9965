#pragma once
#include <string>
#include <string_view>

namespace orvtools {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// Writes UTF-8 bytes to the standard output as they are: the console code page under Wine is not
// UTF-8, so the C runtime's text conversions must not touch them.
void WriteStdout(std::string_view utf8);

// Whole-file helpers for UTF-8 text files named by wide paths.
bool ReadFileBytes(const std::wstring& path, std::string& bytes);
// Writes to a temporary name first and renames it, so a reader never sees half a file.
bool WriteFileAtomically(const std::wstring& path, std::string_view bytes);

}  // namespace orvtools

#pragma once
#include <string>
#include <vector>

namespace orvella {

class AnsiCodec;
class FileSystem;

inline constexpr const char* kReportFileName = "report.txt";

// Writes the report's lines, each ended by CR LF, in the ANSI code page, replacing the file.
// Throws FileWriteError when the file cannot be written.
void WriteReport(FileSystem& files, const AnsiCodec& codec, const std::string& path,
                 const std::vector<std::string>& lines);

// The name a report is saved under: the chosen one, with ".txt" added unless it ends so exactly
// (letter case counts).
std::string ReportSaveName(const std::string& chosen);

}  // namespace orvella

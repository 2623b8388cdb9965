#include "icons/report_file.h"

#include "icons/layout_text.h"
#include "platform/ansi_codec.h"
#include "platform/file_system.h"

namespace orvella {

void WriteReport(FileSystem& files, const AnsiCodec& codec, const std::string& path,
                 const std::vector<std::string>& lines) {
    files.WriteFile(path, codec.ToAnsi(TextOfLines(lines)));
}

std::string ReportSaveName(const std::string& chosen) {
    return chosen.ends_with(".txt") ? chosen : chosen + ".txt";
}

}  // namespace orvella

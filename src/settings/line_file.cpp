#include "settings/line_file.h"

#include <string_view>

#include "platform/ansi_codec.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "settings/settings_errors.h"
#include "settings/utf8_bom.h"

namespace orvella {
namespace {

std::vector<std::string> BreakIntoLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t brk = text.find_first_of("\r\n", pos);
        if (brk == std::string_view::npos) {
            lines.emplace_back(text.substr(pos));
            break;
        }
        lines.emplace_back(text.substr(pos, brk - pos));
        pos = brk + (text.compare(brk, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

}  // namespace

std::optional<std::vector<std::string>> ReadLineFile(const FileSystem& files, const AnsiCodec& codec,
                                                     const std::string& path) {
    const auto bytes = files.ReadFile(path);
    if (!bytes) return std::nullopt;
    const std::string_view text = *bytes;
    return BreakIntoLines(text.starts_with(kUtf8Bom) ? std::string(text.substr(kUtf8Bom.size()))
                                                     : codec.FromAnsi(text));
}

void WriteLineFile(FileSystem& files, const AnsiCodec& codec, const std::string& path,
                   const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text.append(line).append("\r\n");
    try {
        files.WriteFile(path, codec.ToAnsi(text));
    } catch (const FileWriteError& e) {
        throw FileCreateError(path, e.Reason());
    }
}

}  // namespace orvella

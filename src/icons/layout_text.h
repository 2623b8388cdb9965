#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "icons/icon_position.h"

namespace orvella {

// A layout line is caption ":" x ":" y; a stored layout text is the sorted lines, each followed
// by "*". A list's text is its lines, each followed by CR LF.

inline constexpr char kLayoutLineSeparator = '*';
inline constexpr char kLayoutPartSeparator = ':';

// Every CR LF of `text` replaced by `separator`.
std::string JoinLines(std::string_view text, std::string_view separator);
// Every `separator` of `text` replaced by CR LF.
std::string SplitLines(std::string_view text, char separator);
// The n-th part of `text` cut at `separator`, counted from 1; n below 1 gives the first part,
// n beyond the last part gives the last one.
std::string GetPart(std::string_view text, char separator, int n);
// 1 plus the number of separators; 0 for a text of blanks and control characters only.
int CountParts(std::string_view text, std::string_view separator);

// `text` without blanks and control characters at either end.
std::string_view TrimBlanks(std::string_view text);

// The lines a text stands for when it becomes the whole content of a list: cut at CR, LF and
// CR LF, with no extra empty line after a final line break.
std::vector<std::string> LinesOfText(std::string_view text);
// The lines, each followed by CR LF.
std::string TextOfLines(const std::vector<std::string>& lines);

std::string LayoutLine(const IconPosition& icon);
// Read from the right end, so a caption holding ":" survives: y after the last ":", x between
// the last two, the caption all before. Nothing when x or y is not a decimal integer.
std::optional<IconPosition> ParseLayoutLine(std::string_view line);

// The stored form of a list of layout lines, and back.
std::string LayoutText(const std::vector<std::string>& lines);
std::vector<std::string> LayoutLines(std::string_view layoutText);

}  // namespace orvella

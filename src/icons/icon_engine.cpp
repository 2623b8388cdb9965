#include "icons/icon_engine.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "icons/layout_text.h"
#include "icons/shell_process_pass.h"
#include "platform/ansi_codec.h"
#include "platform/dialogs.h"
#include "platform/system_info.h"
#include "platform/text_collation.h"

namespace orvella {
namespace {

constexpr std::string_view kGet = "get";
constexpr std::string_view kSet = "set";

// Positions are plain 32-bit values to the shell; arithmetic on them wraps rather than overflows.
std::int32_t WrappingSum(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

std::int32_t WrappingDifference(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

std::uint16_t Low16(std::int32_t value) { return static_cast<std::uint16_t>(static_cast<std::uint32_t>(value) & 0xFFFFu); }

using SavedPositions = std::unordered_map<std::string, std::pair<std::int32_t, std::int32_t>>;

// The first readable line of each trimmed caption. Lines whose x or y is no integer take no part.
SavedPositions IndexSavedLines(const std::vector<std::string>& lines) {
    SavedPositions positions;
    positions.reserve(lines.size());
    for (const std::string& line : lines) {
        if (const auto icon = ParseLayoutLine(line)) {
            positions.try_emplace(std::string(TrimBlanks(icon->caption)), icon->x, icon->y);
        }
    }
    return positions;
}

}  // namespace

IconEngine::IconEngine(DesktopList& desktop, Dialogs& dialogs, const SystemInfo& system, const AnsiCodec& codec,
                       const TextCollation& collation)
    : desktop_(desktop), dialogs_(dialogs), system_(system), codec_(codec), collation_(collation) {}

std::optional<IconEngine::Target> IconEngine::Locate() {
    const DesktopList::Window list = desktop_.FindDesktopListView();
    if (list == 0) {
        dialogs_.ShowError(kListNotFound, kErrorTitle);
        return std::nullopt;
    }
    const std::uint32_t processId = desktop_.OwnerProcessId(list);
    if (processId == 0) {
        dialogs_.ShowError(kNoProcessId, kErrorTitle);
        return std::nullopt;
    }
    return Target{list, processId};
}

const ListItemRecordLayout& IconEngine::RecordLayout() const {
    return system_.IsWin64() ? kItemRecord64 : kItemRecord32;
}

void IconEngine::MoveItem(DesktopList::Window list, int index, std::int32_t x, std::int32_t y) {
    desktop_.SetItemPosition(list, index, Low16(x), Low16(y));
}

bool IconEngine::GetSetIcon2(std::string_view mode, int index) {
    const auto target = Locate();
    if (!target) return false;
    ShellProcessPass pass(desktop_, target->list, target->processId, RecordLayout());
    const ListItemRead item = pass.ReadItem(index);
    if (mode == kGet) {
        IconX = item.left;
        IconY = item.top;
    } else if (mode == kSet) {
        MoveItem(target->list, index, IconX, IconY);
    }
    pass.Close();
    return true;
}

void IconEngine::GetSetIcon(std::string_view mode, const std::vector<std::string>& ListTemp) {
    ListCurIcon.clear();
    IconX = 0;
    IconY = 0;

    // The position a list view takes and the corner of the rectangle it reports may differ by a
    // fixed offset: measure it on item 0 by sending the item to where it already is, then put the
    // item back. A list that cannot be reached is reported once, not at every step.
    if (!GetSetIcon2(kGet, 0)) return;
    const std::int32_t x0 = IconX;
    const std::int32_t y0 = IconY;
    if (!GetSetIcon2(kSet, 0) || !GetSetIcon2(kGet, 0)) return;
    const std::int32_t dx = WrappingDifference(x0, IconX);
    const std::int32_t dy = WrappingDifference(y0, IconY);
    IconX = WrappingSum(x0, dx);
    IconY = WrappingSum(y0, dy);
    if (!GetSetIcon2(kSet, 0) || !GetSetIcon2(kGet, 0)) return;
    IconX = 0;
    IconY = 0;

    const auto target = Locate();
    if (!target) return;
    if (mode == kSet) {
        PlaceIcons(*target, ListTemp, dx, dy);
        return;
    }
    std::vector<std::string> lines = ReadLayout(*target);
    if (mode == kGet) {
        SortLines(lines);
        ListCurIcon = std::move(lines);
    }
}

std::vector<std::string> IconEngine::ReadLayout(const Target& target) {
    ShellProcessPass pass(desktop_, target.list, target.processId, RecordLayout());
    const int count = desktop_.ItemCount(target.list);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const ListItemRead item = pass.ReadItem(i);
        lines.push_back(LayoutLine({codec_.FromAnsi(item.caption), item.left, item.top}));
    }
    pass.Close();
    return lines;
}

void IconEngine::PlaceIcons(const Target& target, const std::vector<std::string>& savedLines, std::int32_t dx,
                            std::int32_t dy) {
    const SavedPositions saved = IndexSavedLines(savedLines);
    ShellProcessPass pass(desktop_, target.list, target.processId, RecordLayout());
    const int count = desktop_.ItemCount(target.list);
    for (int i = 0; i < count; ++i) {
        const ListItemRead item = pass.ReadItem(i);
        const auto match = saved.find(std::string(TrimBlanks(codec_.FromAnsi(item.caption))));
        if (match == saved.end()) continue;
        MoveItem(target.list, i, WrappingSum(match->second.first, dx), WrappingSum(match->second.second, dy));
    }
    pass.Close();
}

// Case-insensitive in the user's locale order; lines that order puts level keep their byte
// order, so the same icons at the same places always give the same text.
void IconEngine::SortLines(std::vector<std::string>& lines) const {
    std::sort(lines.begin(), lines.end(), [this](const std::string& a, const std::string& b) {
        const int order = collation_.Compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
}

}  // namespace orvella

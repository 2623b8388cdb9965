#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "icons/list_item_record.h"
#include "platform/desktop_list.h"

namespace orvella {

class AnsiCodec;
class Dialogs;
class SystemInfo;
class TextCollation;

// Reads the captions and positions of the desktop's icons out of the shell's list view and
// moves icons to stored positions.
class IconEngine {
public:
    IconEngine(DesktopList& desktop, Dialogs& dialogs, const SystemInfo& system, const AnsiCodec& codec,
               const TextCollation& collation);

    static constexpr const char* kListNotFound = "Desktop' не найден :(";
    static constexpr const char* kNoProcessId = "Не могу восстановить процесс ID.";
    static constexpr const char* kErrorTitle = "Error";

    // "get": ListCurIcon becomes the current layout's lines, sorted. "set": every desktop icon
    // with a line in `ListTemp` goes to that line's position. Any other mode only reads.
    // Throws OsError when the shell's process refuses an operation.
    void GetSetIcon(std::string_view mode, const std::vector<std::string>& ListTemp = {});
    // "get": IconX, IconY := the position of item `index`; "set": the item goes to (IconX, IconY).
    // False, after its error box, when the desktop list or its owner cannot be reached.
    bool GetSetIcon2(std::string_view mode, int index);

    std::vector<std::string> ListCurIcon;
    std::int32_t IconX = 0;
    std::int32_t IconY = 0;

private:
    struct Target {
        DesktopList::Window list;
        std::uint32_t processId;
    };

    // The desktop list and its owner, or nothing after showing why not.
    std::optional<Target> Locate();
    const ListItemRecordLayout& RecordLayout() const;
    void MoveItem(DesktopList::Window list, int index, std::int32_t x, std::int32_t y);
    std::vector<std::string> ReadLayout(const Target& target);
    void PlaceIcons(const Target& target, const std::vector<std::string>& savedLines, std::int32_t dx,
                    std::int32_t dy);
    void SortLines(std::vector<std::string>& lines) const;

    DesktopList& desktop_;
    Dialogs& dialogs_;
    const SystemInfo& system_;
    const AnsiCodec& codec_;
    const TextCollation& collation_;
};

}  // namespace orvella

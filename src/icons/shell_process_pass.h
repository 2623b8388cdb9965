#pragma once
#include <cstdint>
#include <vector>

#include "icons/list_item_record.h"
#include "platform/desktop_list.h"

namespace orvella {

// One pass over the desktop list: the shell's process opened and both item exchange blocks
// reserved in it (the 32-bit layout's first). Whatever was taken is given back on every way out;
// Close() does it on the normal way and reports a refused release, the destructor does it
// quietly after an error.
class ShellProcessPass {
public:
    // Throws OsError when the process cannot be opened or a block cannot be reserved.
    ShellProcessPass(DesktopList& desktop, DesktopList::Window list, std::uint32_t processId,
                     const ListItemRecordLayout& layout);
    ~ShellProcessPass();
    ShellProcessPass(const ShellProcessPass&) = delete;
    ShellProcessPass& operator=(const ShellProcessPass&) = delete;

    // The caption and bounding rectangle of one item, through the block of the chosen layout.
    ListItemRead ReadItem(int index);
    // Throws OsError when the system refuses to free a block; the rest is released anyway.
    void Close();

private:
    void Release();
    void ReleaseQuietly() noexcept;

    DesktopList& desktop_;
    DesktopList::Window list_;
    const ListItemRecordLayout& layout_;
    DesktopList::Process process_ = 0;
    std::vector<DesktopList::Address> blocks_;
    DesktopList::Address block_ = 0;
    std::vector<std::byte> record_;
};

}  // namespace orvella

#pragma once
#include "platform/desktop_list.h"

namespace orvella {

// The shell's desktop list view, read and moved with list-view messages through memory reserved
// in the shell's process.
class Win32DesktopList : public DesktopList {
public:
    Window FindDesktopListView() override;
    std::uint32_t OwnerProcessId(Window list) override;

    Process OpenProcess(std::uint32_t processId) override;
    Address Reserve(Process process, std::size_t size) override;
    void Write(Process process, Address block, std::span<const std::byte> bytes) override;
    void Read(Process process, Address block, std::span<std::byte> bytes) override;
    void Free(Process process, Address block) override;
    void Close(Process process) override;

    int ItemCount(Window list) override;
    void RequestItemText(Window list, int index, Address record) override;
    void RequestItemRect(Window list, int index, Address rect) override;
    void SetItemPosition(Window list, int index, std::uint16_t x, std::uint16_t y) override;
};

}  // namespace orvella

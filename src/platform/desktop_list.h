#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

namespace orvella {

// The shell's desktop list view, a control in another process, reached through memory reserved
// in that process. Handles are opaque; 0 stands for none.
class DesktopList {
public:
    using Window = std::uintptr_t;
    using Process = std::uintptr_t;
    using Address = std::uint64_t;  // in the shell's memory

    virtual ~DesktopList() = default;

    // The desktop's list view, or 0.
    virtual Window FindDesktopListView() = 0;
    // The id of the process that owns the window, or 0 when it cannot be told.
    virtual std::uint32_t OwnerProcessId(Window list) = 0;

    // Each of these throws OsError when the system refuses.
    virtual Process OpenProcess(std::uint32_t processId) = 0;
    virtual Address Reserve(Process process, std::size_t size) = 0;
    virtual void Write(Process process, Address block, std::span<const std::byte> bytes) = 0;
    virtual void Read(Process process, Address block, std::span<std::byte> bytes) = 0;
    virtual void Free(Process process, Address block) = 0;
    // Never fails.
    virtual void Close(Process process) = 0;

    // Messages to the list view; each waits for the shell's answer.
    virtual int ItemCount(Window list) = 0;
    // Fills the text area named by the item record at `record` with the item's caption.
    virtual void RequestItemText(Window list, int index, Address record) = 0;
    // Writes the item's bounding rectangle (left, top, right, bottom) at `rect`.
    virtual void RequestItemRect(Window list, int index, Address rect) = 0;
    // Moves the item; the list view reads both coordinates as signed 16-bit values.
    virtual void SetItemPosition(Window list, int index, std::uint16_t x, std::uint16_t y) = 0;
};

}  // namespace orvella

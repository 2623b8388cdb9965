#pragma once
#include <windows.h>

#include <cstddef>

namespace orvdriver {

// Memory inside the process that owns a window, for messages whose parameter points at a record:
// the system carries no such record across processes, so the record must be where the window's
// code looks for it. Freed when the block goes, unless abandoned.
class RemoteBlock {
public:
    RemoteBlock(HWND window, std::size_t size);
    ~RemoteBlock();
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    bool Valid() const { return address_ != 0; }
    // The owner is a 32-bit program under WoW64: its records hold 4-byte pointers.
    bool Is32Bit() const { return is32Bit_; }
    // Where the owner sees the block: the address its messages carry.
    UINT_PTR Address(std::size_t offset = 0) const { return address_ + offset; }
    bool Write(const void* bytes, std::size_t size, std::size_t offset = 0);
    bool Read(void* bytes, std::size_t size, std::size_t offset = 0) const;
    // A message that was not answered in time may still be handled later: the block stays there.
    void Abandon() { address_ = 0; }

private:
    HANDLE process_ = nullptr;
    UINT_PTR address_ = 0;
    UINT_PTR emulatorOffset_ = 0;  // see EmulatorOffset in the .cpp
    bool is32Bit_ = false;
};

}  // namespace orvdriver

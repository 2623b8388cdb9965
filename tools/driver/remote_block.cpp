#include "driver/remote_block.h"

#include <cstddef>

namespace orvdriver {
namespace {

constexpr DWORD kProcessAccess = PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION;
constexpr UINT_PTR kPage = 0x1000;
constexpr UINT_PTR kLargestOffset = 0x100000;

template <typename Value>
bool ReadAt(HANDLE process, UINT_PTR address, Value& value) {
    return ReadProcessMemory(process, reinterpret_cast<const void*>(address), &value, sizeof value, nullptr) != 0;
}

// An image's headers: "MZ", then "PE\0\0" where the DOS header points.
bool HasImageAt(HANDLE process, UINT_PTR address) {
    WORD magic = 0;
    LONG ntHeaders = 0;
    DWORD signature = 0;
    return ReadAt(process, address, magic) && magic == IMAGE_DOS_SIGNATURE &&
           ReadAt(process, address + offsetof(IMAGE_DOS_HEADER, e_lfanew), ntHeaders) && ntHeaders > 0 &&
           ntHeaders < static_cast<LONG>(kPage) &&
           ReadAt(process, address + static_cast<UINT_PTR>(ntHeaders), signature) && signature == IMAGE_NT_SIGNATURE;
}

// Where 32-bit programs run under qemu-user (kernels without 32-bit support), a process's memory
// lies a fixed distance above the addresses the process itself uses, and Wine reads and writes
// another process's memory at the addresses as given. The distance shows where the image that
// made the window has its headers; 0 on Windows and wherever 32-bit code runs natively.
UINT_PTR EmulatorOffset(HANDLE process, HWND window) {
    const auto image = static_cast<UINT_PTR>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    if (image == 0) return 0;
    for (UINT_PTR offset = 0; offset <= kLargestOffset; offset += kPage)
        if (HasImageAt(process, image + offset)) return offset;
    return 0;
}

}  // namespace

RemoteBlock::RemoteBlock(HWND window, std::size_t size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_ = OpenProcess(kProcessAccess, FALSE, processId);
    if (process_ == nullptr) return;
    BOOL wow64 = FALSE;
    is32Bit_ = IsWow64Process(process_, &wow64) && wow64;
    if (is32Bit_) emulatorOffset_ = EmulatorOffset(process_, window);
    void* block = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    address_ = reinterpret_cast<UINT_PTR>(block);
}

RemoteBlock::~RemoteBlock() {
    if (address_ != 0) VirtualFreeEx(process_, reinterpret_cast<void*>(address_), 0, MEM_RELEASE);
    if (process_ != nullptr) CloseHandle(process_);
}

bool RemoteBlock::Write(const void* bytes, std::size_t size, std::size_t offset) {
    void* target = reinterpret_cast<void*>(address_ + emulatorOffset_ + offset);
    return Valid() && WriteProcessMemory(process_, target, bytes, size, nullptr);
}

bool RemoteBlock::Read(void* bytes, std::size_t size, std::size_t offset) const {
    const void* source = reinterpret_cast<const void*>(address_ + emulatorOffset_ + offset);
    return Valid() && ReadProcessMemory(process_, source, bytes, size, nullptr);
}

}  // namespace orvdriver

#include "platform/win32/win32_desktop_list.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/win32/system_error_text.h"

namespace orvella {
namespace {

// PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE: enough to reserve, write and read.
constexpr DWORD kProcessAccess = PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE;

HWND AsWindow(DesktopList::Window window) { return reinterpret_cast<HWND>(window); }
HANDLE AsHandle(DesktopList::Process process) { return reinterpret_cast<HANDLE>(process); }
void* AsPointer(DesktopList::Address address) { return reinterpret_cast<void*>(static_cast<std::uintptr_t>(address)); }
LPARAM AsParam(DesktopList::Address address) { return static_cast<LPARAM>(static_cast<std::uintptr_t>(address)); }

HWND ShellViewIn(HWND parent) { return FindWindowExA(parent, nullptr, "SHELLDLL_DefView", nullptr); }

DesktopList::Window ListViewIn(HWND shellView) {
    return reinterpret_cast<DesktopList::Window>(FindWindowExA(shellView, nullptr, "SysListView32", nullptr));
}

}  // namespace

DesktopList::Window Win32DesktopList::FindDesktopListView() {
    HWND progman = FindWindowA("ProgMan", nullptr);
    if (progman == nullptr) return 0;
    if (HWND view = ShellViewIn(progman)) return ListViewIn(view);
    // Some shells move their view out of Progman into one of the top-level WorkerW windows.
    HWND desktop = GetDesktopWindow();
    for (HWND worker = FindWindowExA(desktop, nullptr, "WorkerW", nullptr); worker != nullptr;
         worker = FindWindowExA(desktop, worker, "WorkerW", nullptr)) {
        if (HWND view = ShellViewIn(worker)) return ListViewIn(view);
    }
    return 0;
}

std::uint32_t Win32DesktopList::OwnerProcessId(Window list) {
    DWORD processId = 0;
    GetWindowThreadProcessId(AsWindow(list), &processId);
    return processId;
}

DesktopList::Process Win32DesktopList::OpenProcess(std::uint32_t processId) {
    HANDLE process = ::OpenProcess(kProcessAccess, FALSE, processId);
    if (process == nullptr) ThrowLastOsError();
    return reinterpret_cast<Process>(process);
}

DesktopList::Address Win32DesktopList::Reserve(Process process, std::size_t size) {
    void* block = VirtualAllocEx(AsHandle(process), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (block == nullptr) ThrowLastOsError();
    return reinterpret_cast<std::uintptr_t>(block);
}

void Win32DesktopList::Write(Process process, Address block, std::span<const std::byte> bytes) {
    if (!WriteProcessMemory(AsHandle(process), AsPointer(block), bytes.data(), bytes.size(), nullptr)) {
        ThrowLastOsError();
    }
}

void Win32DesktopList::Read(Process process, Address block, std::span<std::byte> bytes) {
    if (!ReadProcessMemory(AsHandle(process), AsPointer(block), bytes.data(), bytes.size(), nullptr)) {
        ThrowLastOsError();
    }
}

void Win32DesktopList::Free(Process process, Address block) {
    if (!VirtualFreeEx(AsHandle(process), AsPointer(block), 0, MEM_RELEASE)) ThrowLastOsError();
}

void Win32DesktopList::Close(Process process) { CloseHandle(AsHandle(process)); }

int Win32DesktopList::ItemCount(Window list) {
    return static_cast<int>(SendMessageA(AsWindow(list), LVM_GETITEMCOUNT, 0, 0));
}

void Win32DesktopList::RequestItemText(Window list, int index, Address record) {
    SendMessageA(AsWindow(list), LVM_GETITEMTEXTA, static_cast<WPARAM>(index), AsParam(record));
}

void Win32DesktopList::RequestItemRect(Window list, int index, Address rect) {
    SendMessageA(AsWindow(list), LVM_GETITEMRECT, static_cast<WPARAM>(index), AsParam(rect));
}

void Win32DesktopList::SetItemPosition(Window list, int index, std::uint16_t x, std::uint16_t y) {
    const auto position = (static_cast<std::uint32_t>(y) << 16) | x;
    SendMessageA(AsWindow(list), LVM_SETITEMPOSITION, static_cast<WPARAM>(index), static_cast<LPARAM>(position));
}

}  // namespace orvella

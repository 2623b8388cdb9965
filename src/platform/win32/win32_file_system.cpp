#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <algorithm>

#include "platform/errors.h"
#include "platform/win32/system_error_text.h"
#include "platform/win32/utf16.h"

namespace orvella {
namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        if (!Valid()) return true;
        const bool closed = CloseHandle(handle_) != FALSE;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

[[noreturn]] void ThrowWriteError(const std::string& path, DWORD code) {
    throw FileWriteError(path, SystemErrorText(code));
}

// Creates a new, unique temporary file beside the target.
HANDLE CreateTemporaryBeside(const std::wstring& target, std::wstring& temporary) {
    static unsigned counter = 0;
    const std::wstring stem = target + L"." + std::to_wstring(GetCurrentProcessId()) + L".";
    for (;;) {
        temporary = stem + std::to_wstring(++counter) + L".tmp";
        HANDLE handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return handle;
    }
}

// Writes everything and flushes it to the disk; returns the system's error code.
DWORD WriteAllAndFlush(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) return GetLastError();
        if (written == 0) return ERROR_WRITE_FAULT;
        done += written;
    }
    return FlushFileBuffers(file) ? ERROR_SUCCESS : GetLastError();
}

// Puts the finished temporary file in the target's place (attributes INVALID_FILE_ATTRIBUTES: no
// target yet); returns the system's error code.
DWORD MoveIntoPlace(const std::wstring& temporary, const std::wstring& target, DWORD targetAttributes) {
    if (targetAttributes == INVALID_FILE_ATTRIBUTES) {
        const BOOL moved =
            MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        return moved ? ERROR_SUCCESS : GetLastError();
    }
    // ReplaceFileW keeps the target's attributes and security on Windows; Wine's drops the
    // attributes, so a hidden or system file is made so again.
    if (!ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        return GetLastError();
    }
    if (GetFileAttributesW(target.c_str()) != targetAttributes) SetFileAttributesW(target.c_str(), targetAttributes);
    return ERROR_SUCCESS;
}

}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) const {
    const DWORD attributes = GetFileAttributesW(ToUtf16(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> Win32FileSystem::ReadFile(const std::string& path) const {
    FileHandle file(CreateFileW(ToUtf16(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read, nullptr)) {
            return std::nullopt;
        }
        if (read == 0) break;  // the file shrank while we read it
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

void Win32FileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    const std::wstring target = ToUtf16(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    // A read-only file is the user's protection: refuse it as a direct write would, whatever a
    // replace would make of it.
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        ThrowWriteError(path, ERROR_ACCESS_DENIED);
    }

    std::wstring temporary;
    FileHandle file(CreateTemporaryBeside(target, temporary));
    if (!file.Valid()) ThrowWriteError(path, GetLastError());

    DWORD error = WriteAllAndFlush(file.Get(), bytes);
    if (!file.Close() && error == ERROR_SUCCESS) error = GetLastError();
    if (error == ERROR_SUCCESS) error = MoveIntoPlace(temporary, target, attributes);
    if (error == ERROR_SUCCESS) return;
    DeleteFileW(temporary.c_str());
    ThrowWriteError(path, error);
}

// The result is not examined: a file that stays is simply still there.
void Win32FileSystem::RemoveFile(const std::string& path) noexcept { DeleteFileW(ToUtf16(path).c_str()); }

}  // namespace orvella

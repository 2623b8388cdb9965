#include "platform/native/native_file_system.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/errors.h"

namespace orvella {

namespace fs = std::filesystem;

bool NativeFileSystem::FileExists(const std::string& path) const {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::optional<std::string> NativeFileSystem::ReadFile(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(bytes).str();
}

// Written beside the target and renamed over it, so a failed write leaves the old file whole.
// A read-only target is refused as Windows refuses it, even for a superuser.
void NativeFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none) {
        throw FileWriteError(path, std::strerror(EACCES));
    }
    const std::string temporary = path + ".orvella-new";
    errno = 0;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.flush();
        }
        if (!out) {
            const int error = errno != 0 ? errno : EIO;
            fs::remove(temporary, ec);
            throw FileWriteError(path, std::strerror(error));
        }
    }
    fs::rename(temporary, path, ec);
    if (ec) {
        const std::string reason = ec.message();
        fs::remove(temporary, ec);
        throw FileWriteError(path, reason);
    }
}

void NativeFileSystem::RemoveFile(const std::string& path) noexcept {
    std::error_code ec;
    fs::remove(path, ec);
}

}  // namespace orvella

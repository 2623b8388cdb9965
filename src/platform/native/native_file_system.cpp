#include "platform/native/native_file_system.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/errors.h"

namespace orvella {

bool NativeFileSystem::FileExists(const std::string& path) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::optional<std::string> NativeFileSystem::ReadFile(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(bytes).str();
}

void NativeFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw FileWriteError(path, std::strerror(errno));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) throw FileWriteError(path, std::strerror(errno));
}

}  // namespace orvella

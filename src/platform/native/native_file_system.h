#pragma once
#include "platform/file_system.h"

namespace orvella {

// Files through the C++ library, for native builds and tests.
class NativeFileSystem : public FileSystem {
public:
    bool FileExists(const std::string& path) const override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    void WriteFile(const std::string& path, const std::string& bytes) override;
    void RemoveFile(const std::string& path) noexcept override;
};

}  // namespace orvella

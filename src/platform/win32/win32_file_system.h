#pragma once
#include "platform/file_system.h"

namespace orvella {

// Files through the wide Windows APIs. A write goes to a temporary file beside the target that
// then replaces it, so a failed write never leaves a half-written file behind.
class Win32FileSystem : public FileSystem {
public:
    bool FileExists(const std::string& path) const override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    void WriteFile(const std::string& path, const std::string& bytes) override;
    void RemoveFile(const std::string& path) noexcept override;
};

}  // namespace orvella

#pragma once
#include <optional>
#include <string>

namespace orvella {

// Whole-file access with UTF-8 paths. Contents are raw bytes.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool FileExists(const std::string& path) const = 0;
    // Empty when the file is missing or cannot be read.
    virtual std::optional<std::string> ReadFile(const std::string& path) const = 0;
    // Replaces the file's contents. Throws FileWriteError when the file cannot be created or written.
    virtual void WriteFile(const std::string& path, const std::string& bytes) = 0;
    // Removes the file at once (not into a recycle bin); a file that cannot be removed stays.
    virtual void RemoveFile(const std::string& path) noexcept = 0;
};

}  // namespace orvella

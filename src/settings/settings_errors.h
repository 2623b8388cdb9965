#pragma once
#include <stdexcept>
#include <string>

namespace orvella {

// The configuration file refused a write; the text is what the user sees in the error box.
class ProfileWriteError : public std::runtime_error {
public:
    explicit ProfileWriteError(const std::string& path) : std::runtime_error("Unable to write to " + path) {}
};

// A list file could not be created; `reason` is the system's text.
class FileCreateError : public std::runtime_error {
public:
    FileCreateError(const std::string& path, const std::string& reason)
        : std::runtime_error("Cannot create file \"" + path + "\". " + reason) {}
};

// A list file exists but cannot be read: going on would overwrite what it holds.
class FileOpenError : public std::runtime_error {
public:
    explicit FileOpenError(const std::string& path) : std::runtime_error("Cannot open file \"" + path + "\".") {}
};

}  // namespace orvella

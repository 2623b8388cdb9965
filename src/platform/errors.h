#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

namespace orvella {

// An operating-system failure: the system's error code and its text.
class OsError : public std::runtime_error {
public:
    OsError(std::uint32_t code, const std::string& systemText)
        : std::runtime_error(systemText), code_(code) {}
    std::uint32_t Code() const { return code_; }

private:
    std::uint32_t code_;
};

// A file that could not be created or written; `reason` is the system's text.
class FileWriteError : public std::runtime_error {
public:
    FileWriteError(std::string path, std::string reason)
        : std::runtime_error(path + ": " + reason), path_(std::move(path)), reason_(std::move(reason)) {}
    const std::string& Path() const { return path_; }
    const std::string& Reason() const { return reason_; }

private:
    std::string path_;
    std::string reason_;
};

}  // namespace orvella

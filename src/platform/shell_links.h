#pragma once
#include <string>

namespace orvella {

// A shortcut file as the shell's link object writes it.
struct ShellLink {
    std::string file;  // where the link is saved; an existing file is replaced
    std::string target;
    std::string workingFolder;
    std::string description;
    std::string arguments;
    int showCommand = 1;  // a normal window
};

class ShellLinks {
public:
    virtual ~ShellLinks() = default;
    // Throws OsError when the shell's link object cannot be had; a file that cannot be saved
    // is dropped silently.
    virtual void Create(const ShellLink& link) = 0;
};

}  // namespace orvella

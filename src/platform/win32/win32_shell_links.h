#pragma once
#include "platform/shell_links.h"

namespace orvella {

// Shortcuts through the shell's link object (COM, initialised by the entry point).
class Win32ShellLinks : public ShellLinks {
public:
    void Create(const ShellLink& link) override;
};

}  // namespace orvella

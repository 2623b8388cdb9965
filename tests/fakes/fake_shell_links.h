#pragma once
#include <vector>

#include "platform/errors.h"
#include "platform/shell_links.h"

namespace orvella {

class FakeShellLinks : public ShellLinks {
public:
    void Create(const ShellLink& link) override {
        if (unavailable) throw OsError(0x80040154u, "Class not registered");
        created.push_back(link);
    }

    bool unavailable = false;
    std::vector<ShellLink> created;
};

}  // namespace orvella

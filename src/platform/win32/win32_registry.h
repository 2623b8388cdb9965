#pragma once
#include "platform/registry.h"

namespace orvella {

// The registry through the wide APIs, 32-bit view (what a 32-bit program sees).
class Win32Registry : public Registry {
public:
    bool ValueExists(RegistryRoot root, const std::string& key, const std::string& name) const override;
    std::string ReadString(RegistryRoot root, const std::string& key, const std::string& name) const override;
    void WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                     const std::string& value) override;
    void DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) noexcept override;
};

}  // namespace orvella

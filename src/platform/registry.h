#pragma once
#include <string>

namespace orvella {

enum class RegistryRoot { LocalMachine, CurrentUser };

// String values of the system registry. Keys are opened with full access, as the autostart
// entry needs; a key that cannot be opened so counts as missing.
class Registry {
public:
    virtual ~Registry() = default;
    // Whether the value exists; false when the key is missing or cannot be opened.
    virtual bool ValueExists(RegistryRoot root, const std::string& key, const std::string& name) const = 0;
    // The string value; empty when the key or value is missing or the value is not a string.
    virtual std::string ReadString(RegistryRoot root, const std::string& key, const std::string& name) const = 0;
    // Creates the key when missing. Throws OsError when the key or the value is refused.
    virtual void WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                             const std::string& value) = 0;
    // Creates the key when missing, then removes the value if it is there; failures are dropped.
    virtual void DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) noexcept = 0;
};

}  // namespace orvella

#pragma once
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/errors.h"
#include "platform/registry.h"

namespace orvella {

// Values in memory. Keys named in `refusedKeys` behave as keys without the right to open them.
class FakeRegistry : public Registry {
public:
    using Location = std::tuple<RegistryRoot, std::string, std::string>;  // root, key, value name

    bool ValueExists(RegistryRoot root, const std::string& key, const std::string& name) const override {
        return !refusedKeys.contains(key) && values.contains({root, key, name});
    }
    std::string ReadString(RegistryRoot root, const std::string& key, const std::string& name) const override {
        if (refusedKeys.contains(key)) return {};
        const auto found = values.find({root, key, name});
        return found == values.end() ? std::string() : found->second;
    }
    void WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                     const std::string& value) override {
        if (refusedKeys.contains(key)) throw OsError(5, "Access is denied.");
        values[{root, key, name}] = value;
        writes.push_back(name);
    }
    void DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) noexcept override {
        if (refusedKeys.contains(key)) return;
        if (values.erase({root, key, name}) > 0) deletions.push_back(name);
    }

    std::map<Location, std::string> values;
    std::set<std::string> refusedKeys;
    std::vector<std::string> writes;
    std::vector<std::string> deletions;
};

}  // namespace orvella

#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvdriver {

// A command's words: `--name value` options, `--flag` switches (names listed by the command) and
// the remaining positional words, all as UTF-8.
struct Options {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    std::vector<std::string> flags;

    std::optional<std::string> Value(const std::string& name) const;
    bool Flag(const std::string& name) const;
    unsigned long TimeoutMs(unsigned long fallback) const;
    // The positional word at `position` as a whole decimal number; none when it is not one.
    std::optional<int> Number(size_t position) const;
};

Options ParseOptions(const std::vector<std::string>& words, const std::vector<std::string>& flagNames);

}  // namespace orvdriver

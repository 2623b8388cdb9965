#include "driver/options.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace orvdriver {

std::optional<std::string> Options::Value(const std::string& name) const {
    const auto found = values.find(name);
    if (found == values.end()) return std::nullopt;
    return found->second;
}

bool Options::Flag(const std::string& name) const {
    return std::find(flags.begin(), flags.end(), name) != flags.end();
}

unsigned long Options::TimeoutMs(unsigned long fallback) const {
    const auto text = Value("timeout");
    return text ? std::strtoul(text->c_str(), nullptr, 10) : fallback;
}

std::optional<int> Options::Number(size_t position) const {
    if (position >= positional.size()) return std::nullopt;
    const std::string& word = positional[position];
    char* end = nullptr;
    const long value = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0' || value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

Options ParseOptions(const std::vector<std::string>& words, const std::vector<std::string>& flagNames) {
    Options options;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.rfind("--", 0) != 0 || word.size() == 2) {
            options.positional.push_back(word);
            continue;
        }
        const std::string name = word.substr(2);
        if (std::find(flagNames.begin(), flagNames.end(), name) != flagNames.end()) options.flags.push_back(name);
        else if (i + 1 < words.size()) options.values[name] = words[++i];
        else options.positional.push_back(word);
    }
    return options;
}

}  // namespace orvdriver

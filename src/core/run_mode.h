#pragma once
#include <string>
#include <vector>

namespace orvella {

// The command line's words after the program's path. Any word at all selects change mode;
// places that depend on the mode ask again rather than storing it.
class CommandLine {
public:
    explicit CommandLine(std::vector<std::string> parameters) : parameters_(std::move(parameters)) {}
    bool ChangeMode() const { return !parameters_.empty(); }

private:
    std::vector<std::string> parameters_;
};

}  // namespace orvella

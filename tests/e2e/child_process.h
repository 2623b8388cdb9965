#pragma once
#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvella::e2e {

using Environment = std::map<std::string, std::string>;

struct SpawnOptions {
    Environment environment;    // added to (or replacing) this process's environment
    std::string workingDir;     // empty: this process's
    std::string outputFile;     // stdout and stderr appended there; empty: discarded
};

// A process started without waiting, in a process group of its own, so that stopping it also
// stops what it started in that group.
class ChildProcess {
public:
    ChildProcess(const std::vector<std::string>& argv, const SpawnOptions& options);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return pid_; }
    bool Running();
    // The exit code once the process ends within the timeout (a signal counts as 128 + its number).
    std::optional<int> WaitExit(std::chrono::milliseconds timeout);
    void Kill();

private:
    bool Reap(bool block);

    pid_t pid_ = -1;
    std::optional<int> exitCode_;
};

struct RunResult {
    int exitCode = -1;     // -1 when the process had to be stopped at the timeout
    std::string output;    // its standard output
};

// Runs a process to its end and returns what it printed on stdout (stderr goes to
// options.outputFile or nowhere); stops it after the timeout.
RunResult RunAndCapture(const std::vector<std::string>& argv, const SpawnOptions& options,
                        std::chrono::milliseconds timeout);

}  // namespace orvella::e2e

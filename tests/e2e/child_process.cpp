#include "e2e/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace orvella::e2e {
namespace {

std::vector<std::string> MergedEnvironment(const Environment& overrides) {
    Environment merged;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        const size_t equals = text.find('=');
        if (equals != std::string::npos) merged[text.substr(0, equals)] = text.substr(equals + 1);
    }
    for (const auto& [name, value] : overrides) merged[name] = value;
    std::vector<std::string> lines;
    for (const auto& [name, value] : merged) lines.push_back(name + "=" + value);
    return lines;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Starts argv with stdout going to `stdoutFd` (or the output file, or nowhere) and stderr to the
// output file (or nowhere).
pid_t Spawn(const std::vector<std::string>& argv, const SpawnOptions& options, int stdoutFd) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const char* sink = options.outputFile.empty() ? "/dev/null" : options.outputFile.c_str();
    const int appendFlags = O_WRONLY | O_CREAT | O_APPEND;
    if (stdoutFd >= 0) posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
    else posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, sink, appendFlags, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, sink, appendFlags, 0644);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (!options.workingDir.empty()) posix_spawn_file_actions_addchdir_np(&actions, options.workingDir.c_str());

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);

    std::vector<std::string> arguments = argv;
    std::vector<std::string> environment = MergedEnvironment(options.environment);
    std::vector<char*> argvPointers = Pointers(arguments);
    std::vector<char*> envPointers = Pointers(environment);
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, argvPointers[0], &actions, &attributes, argvPointers.data(), envPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (error != 0) throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(error));
    return pid;
}

int ExitCodeOf(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const SpawnOptions& options)
    : pid_(Spawn(argv, options, -1)) {}

ChildProcess::~ChildProcess() { Kill(); }

bool ChildProcess::Reap(bool block) {
    if (exitCode_) return true;
    int status = 0;
    const pid_t done = waitpid(pid_, &status, block ? 0 : WNOHANG);
    if (done != pid_) return false;
    exitCode_ = ExitCodeOf(status);
    return true;
}

bool ChildProcess::Running() { return !Reap(false); }

std::optional<int> ChildProcess::WaitExit(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!Reap(false)) {
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return exitCode_;
}

void ChildProcess::Kill() {
    if (pid_ <= 0 || exitCode_) return;
    kill(-pid_, SIGKILL);
    Reap(true);
}

// Reads until the process ends, not until end of file: Wine's server and helper processes, started
// by the first program of a prefix, inherit the pipe and keep it open.
RunResult RunAndCapture(const std::vector<std::string>& argv, const SpawnOptions& options,
                        std::chrono::milliseconds timeout) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) throw std::runtime_error("pipe failed");
    pid_t pid = -1;
    try {
        pid = Spawn(argv, options, pipeFds[1]);
    } catch (...) {
        close(pipeFds[0]);
        close(pipeFds[1]);
        throw;
    }
    close(pipeFds[1]);

    RunResult result;
    const auto drain = [&] {
        char buffer[4096];
        ssize_t got = 0;
        while ((got = read(pipeFds[0], buffer, sizeof buffer)) > 0) result.output.append(buffer, static_cast<size_t>(got));
    };
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    bool ended = false;
    while (!(ended = waitpid(pid, &status, WNOHANG) == pid) && std::chrono::steady_clock::now() < deadline) {
        pollfd readable{pipeFds[0], POLLIN, 0};
        poll(&readable, 1, 20);
        drain();
    }
    if (!ended) {
        kill(-pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    drain();
    close(pipeFds[0]);
    result.exitCode = ended ? ExitCodeOf(status) : -1;
    return result;
}

}  // namespace orvella::e2e

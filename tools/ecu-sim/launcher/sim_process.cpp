#include "sim_process.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace korvane::ecusim {

namespace {

constexpr std::chrono::seconds kStartLimit{20};

std::vector<std::string> MergedEnvironment(const std::map<std::string, std::string>& changes) {
    std::vector<std::string> merged;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        if (changes.count(name) == 0) {
            merged.push_back(text);
        }
    }
    for (const auto& [name, value] : changes) {
        if (!value.empty()) {
            merged.push_back(name);
            merged.back().append("=").append(value);
        }
    }
    return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    pointers.reserve(texts.size() + 1);
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

SimProcess::~SimProcess() {
    if (pid_ > 0) {
        // The whole group: anything the simulator started goes with it.
        (void)kill(-pid_, SIGKILL);
        (void)waitpid(pid_, nullptr, 0);
    }
    if (output_ >= 0) {
        close(output_);
    }
}

bool SimProcess::Start(const std::vector<std::string>& arguments,
                       const std::map<std::string, std::string>& environment) {
    std::vector<std::string> argv = {KORVANE_ECU_SIM_PATH};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> envp = MergedEnvironment(environment);
    std::vector<char*> argPointers = Pointers(argv);
    std::vector<char*> envPointers = Pointers(envp);

    int ends[2];
    if (pipe(ends) != 0) {
        return false;
    }
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ < 0) {
        return false;
    }
    if (pid_ == 0) {
        // A group of its own, ended with the test; and killed when the test process dies
        // without its destructor running (a crash), so no orphan holds ctest's output open.
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(127);
        }
        dup2(ends[1], STDOUT_FILENO);
        close(ends[0]);
        close(ends[1]);
        execve(argPointers[0], argPointers.data(), envPointers.data());
        _exit(127);
    }
    setpgid(pid_, pid_);
    close(ends[1]);
    output_ = ends[0];

    const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
    std::string line;
    while (line.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd fd{output_, POLLIN, 0};
        if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
            return false;
        }
        char buffer[256];
        const ssize_t count = read(output_, buffer, sizeof buffer);
        if (count <= 0) {
            return false;
        }
        line.append(buffer, static_cast<std::size_t>(count));
    }
    ptyPath_ = line.substr(0, line.find('\n'));
    return !ptyPath_.empty();
}

bool SimProcess::Signal(int signal) const {
    return pid_ > 0 && kill(pid_, signal) == 0;
}

int SimProcess::WaitForExit(std::chrono::milliseconds limit) {
    if (pid_ <= 0) {
        return -1;
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace korvane::ecusim

#include "child_process.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace korvane::cli::testing {

namespace {

// Generous: the machine running the tests may be heavily loaded.
constexpr std::chrono::seconds kRunLimit{60};

std::vector<std::string> MergedEnvironment(const std::map<std::string, std::string>& changes) {
    std::vector<std::string> merged;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (changes.count(text.substr(0, text.find('='))) == 0) {
            merged.push_back(text);
        }
    }
    for (const auto& [name, value] : changes) {
        if (!value.empty()) {
            merged.push_back(name + "=" + value);
        }
    }
    return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        (void)kill(pid_, SIGKILL);
        (void)waitpid(pid_, nullptr, 0);
    }
    for (const int fd : {out_, err_}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

bool ChildProcess::Start(const std::string& program, const std::vector<std::string>& arguments,
                         const std::map<std::string, std::string>& environment,
                         const std::string& workingDirectory) {
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> envp = MergedEnvironment(environment);
    std::vector<char*> argPointers = Pointers(argv);
    std::vector<char*> envPointers = Pointers(envp);

    int outPipe[2];
    int errPipe[2];
    if (pipe(outPipe) != 0) {
        return false;
    }
    if (pipe(errPipe) != 0) {
        close(outPipe[0]);
        close(outPipe[1]);
        return false;
    }
    pid_ = fork();
    if (pid_ == 0) {
        dup2(outPipe[1], STDOUT_FILENO);
        dup2(errPipe[1], STDERR_FILENO);
        for (const int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]}) {
            close(fd);
        }
        if (!workingDirectory.empty() && chdir(workingDirectory.c_str()) != 0) {
            _exit(126);
        }
        execve(argPointers[0], argPointers.data(), envPointers.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    out_ = outPipe[0];
    err_ = errPipe[0];
    return pid_ > 0;
}

bool ChildProcess::Signal(int signal) const {
    return pid_ > 0 && kill(pid_, signal) == 0;
}

bool ChildProcess::Collect(int waitMs) {
    std::vector<pollfd> fds;
    for (const int fd : {out_, err_}) {
        if (fd >= 0) {
            fds.push_back({fd, POLLIN, 0});
        }
    }
    if (fds.empty()) {
        return false;
    }
    if (poll(fds.data(), fds.size(), waitMs) <= 0) {
        return true;
    }
    for (const pollfd& entry : fds) {
        if (entry.revents == 0) {
            continue;
        }
        char buffer[4096];
        const ssize_t count = read(entry.fd, buffer, sizeof buffer);
        std::string& target = entry.fd == out_ ? result_.out : result_.err;
        if (count > 0) {
            target.append(buffer, static_cast<std::size_t>(count));
        } else {
            close(entry.fd);
            (entry.fd == out_ ? out_ : err_) = -1;
        }
    }
    return true;
}

bool ChildProcess::WaitFor(const std::string& stream, const std::string& text,
                           std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (stream.find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() >= deadline || !Collect(20)) {
            return stream.find(text) != std::string::npos;
        }
    }
    return true;
}

bool ChildProcess::WaitForOutput(const std::string& text, std::chrono::milliseconds limit) {
    return WaitFor(result_.out, text, limit);
}

bool ChildProcess::WaitForError(const std::string& text, std::chrono::milliseconds limit) {
    return WaitFor(result_.err, text, limit);
}

ProcessResult ChildProcess::Finish(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline && Collect(20)) {
    }
    result_.exitCode = -1;
    while (pid_ > 0) {
        int status = 0;
        const pid_t done = waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            pid_ = -1;
            result_.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            if (WIFSIGNALED(status)) {
                result_.err += "[ended by signal " + std::to_string(WTERMSIG(status)) + "]";
            }
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            break;
        }
        usleep(5000);
    }
    return result_;
}

ProcessResult RunCliProgram(const std::vector<std::string>& arguments,
                            const std::map<std::string, std::string>& environment,
                            const std::string& workingDirectory) {
    ChildProcess child;
    if (!child.Start(KORVANE_CLI_PATH, arguments, environment, workingDirectory)) {
        return {};
    }
    return child.Finish(kRunLimit);
}

} // namespace korvane::cli::testing

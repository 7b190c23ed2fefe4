#include "cli_process.h"

#include "support/scratch_folder.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace korvane::cli::testing {

namespace {

// Generous: the machine running the tests may be heavily loaded.
constexpr std::chrono::seconds kLimit{60};

// Polls until `done` holds; false when the limit passed first.
template <typename Done> bool PollUntil(const Done& done) {
    const auto deadline = std::chrono::steady_clock::now() + kLimit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace

CliProcess::CliProcess(const std::vector<std::string>& arguments, const std::string& folder) {
    static std::atomic<int> serial{0};
    const std::string stem = folder + "/cli-" + std::to_string(++serial);
    outFile_ = stem + ".out";
    errFile_ = stem + ".err";
    std::vector<std::string> texts{KORVANE_CLI_PATH};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    argv.reserve(texts.size() + 1);
    for (std::string& text : texts) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outFile_.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile_.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
}

CliProcess::~CliProcess() {
    if (pid_ > 0) {
        (void)kill(pid_, SIGKILL);
        (void)waitpid(pid_, nullptr, 0);
    }
}

bool CliProcess::WaitFor(const std::string& text, bool onError) const {
    const std::string& file = onError ? errFile_ : outFile_;
    return pid_ > 0 && PollUntil([&] {
               return korvane::testing::ReadWholeFile(file).find(text) != std::string::npos;
           });
}

bool CliProcess::Signal(int signal) const {
    return pid_ > 0 && kill(pid_, signal) == 0;
}

CliResult CliProcess::Finish() {
    CliResult result;
    int status = 0;
    if (pid_ > 0 && PollUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; })) {
        pid_ = -1;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    result.out = korvane::testing::ReadWholeFile(outFile_);
    result.err = korvane::testing::ReadWholeFile(errFile_);
    return result;
}

CliResult RunCli(const std::vector<std::string>& arguments) {
    const korvane::testing::ScratchFolder folder;
    CliProcess process(arguments, folder.Path().string());
    return process.Finish();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace korvane::cli::testing

// SIGINT and SIGTERM; Windows has its own handler in stop_signal_windows.cpp.
#if !defined(_WIN32)

#include "stop_signal.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace korvane::cli {

namespace {

std::atomic<bool> stopRequested{false};
// Written by the handler so that a wait wakes at once.
int wakeRead = -1;
int wakeWrite = -1;

extern "C" void OnStopSignal(int /*signal*/) {
    stopRequested.store(true);
    if (wakeWrite >= 0) {
        const char byte = 1;
        const int savedErrno = errno;
        (void)!write(wakeWrite, &byte, 1);
        errno = savedErrno;
    }
}

bool MakePipe() {
    int ends[2];
    if (pipe(ends) != 0) {
        return false;
    }
    for (const int fd : ends) {
        (void)fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        (void)fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    wakeRead = ends[0];
    wakeWrite = ends[1];
    return true;
}

} // namespace

StopSignal::StopSignal() {
    stopRequested.store(false);
    if (!MakePipe()) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    // The first signal asks; the handler is then reset, so a second one ends the program.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    installed_ =
        sigaction(SIGINT, &action, nullptr) == 0 && sigaction(SIGTERM, &action, nullptr) == 0;
}

StopSignal::~StopSignal() {
    (void)std::signal(SIGINT, SIG_DFL);
    (void)std::signal(SIGTERM, SIG_DFL);
    close(wakeRead);
    close(wakeWrite);
    wakeRead = -1;
    wakeWrite = -1;
}

bool StopSignal::Requested() const {
    return stopRequested.load();
}

bool StopSignal::WaitMs(int milliseconds) const {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (!Requested()) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return false;
        }
        pollfd watched{wakeRead, POLLIN, 0};
        (void)poll(&watched, 1, static_cast<int>(left));
    }
    return true;
}

} // namespace korvane::cli

#endif

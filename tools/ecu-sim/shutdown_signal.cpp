#include "shutdown_signal.h"

#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace korvane::ecusim {

namespace {

int pipeEnds[2] = {-1, -1};
volatile std::sig_atomic_t requested = 0;

extern "C" void OnShutdownSignal(int /*signal*/) {
    requested = 1;
    const char byte = 1;
    (void)!write(pipeEnds[1], &byte, 1);
}

bool MakeNonBlocking(int fd) {
    const int flags = fcntl(fd, F_GETFL);
    return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0 &&
           fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}

} // namespace

bool ShutdownSignal::Install() {
    if (pipe(pipeEnds) != 0 || !MakeNonBlocking(pipeEnds[0]) || !MakeNonBlocking(pipeEnds[1])) {
        return false;
    }
    struct sigaction action {};
    action.sa_handler = OnShutdownSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        if (sigaction(signal, &action, nullptr) != 0) {
            return false;
        }
    }
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    return sigaction(SIGPIPE, &ignore, nullptr) == 0;
}

int ShutdownSignal::Fd() const {
    return pipeEnds[0];
}

bool ShutdownSignal::Requested() const {
    return requested != 0;
}

} // namespace korvane::ecusim

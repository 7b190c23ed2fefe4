// The console's control events; POSIX signals are handled in stop_signal.cpp.
#if defined(_WIN32)

#include "stop_signal.h"

#include <atomic>

#if !defined(WIN32_LEAN_AND_MEAN)
#define WIN32_LEAN_AND_MEAN
#endif
#if !defined(NOMINMAX)
#define NOMINMAX
#endif
#include <windows.h>

namespace korvane::cli {

namespace {

std::atomic<bool> stopRequested{false};
// Set by the handler so that a wait wakes at once.
HANDLE wakeEvent = nullptr;

BOOL WINAPI OnConsoleControl(DWORD event) {
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        break;
    default:
        return FALSE;
    }
    // The first event asks; a second one goes to the default handler, which ends the program.
    if (stopRequested.exchange(true)) {
        return FALSE;
    }
    if (wakeEvent != nullptr) {
        SetEvent(wakeEvent);
    }
    return TRUE;
}

} // namespace

StopSignal::StopSignal() {
    stopRequested.store(false);
    wakeEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (wakeEvent == nullptr) {
        return;
    }
    installed_ = SetConsoleCtrlHandler(OnConsoleControl, TRUE) != FALSE;
}

StopSignal::~StopSignal() {
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    if (wakeEvent != nullptr) {
        CloseHandle(wakeEvent);
        wakeEvent = nullptr;
    }
}

bool StopSignal::Requested() const {
    return stopRequested.load();
}

bool StopSignal::WaitMs(int milliseconds) const {
    if (Requested()) {
        return true;
    }
    if (milliseconds > 0 && wakeEvent != nullptr) {
        WaitForSingleObject(wakeEvent, static_cast<DWORD>(milliseconds));
    }
    return Requested();
}

} // namespace korvane::cli

#endif

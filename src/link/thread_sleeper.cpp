#include "link/thread_sleeper.h"

#include <chrono>
#include <thread>

namespace korvane {

void ThreadSleeper::SleepMs(int milliseconds) {
    if (milliseconds > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
}

} // namespace korvane

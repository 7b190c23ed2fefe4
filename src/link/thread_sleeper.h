#pragma once

#include "link/byte_channel.h"

namespace korvane {

// Pauses the calling thread for real.
class ThreadSleeper final : public Sleeper {
public:
    void SleepMs(int milliseconds) override;
};

} // namespace korvane

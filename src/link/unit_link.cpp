#include "link/unit_link.h"

#include "link/command_frames.h"

namespace korvane {

void RunStopSequence(const UnitLink& link) {
    // The results are not checked: on a dead line the caller's own retries decide.
    link.channel.Write(kStopFrame.data(), kFrameCapacity);
    link.sleeper.SleepMs(kStopPauseMs);
    link.channel.Purge();
}

} // namespace korvane

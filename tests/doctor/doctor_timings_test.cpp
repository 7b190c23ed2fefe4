// The times the checks report, on a clock that moves 10 ms at every look: the first reply
// is timed from the frame that wakes the unit, a read from its frame to its reply.

#include "doctor/line_quality_check.h"
#include "doctor/units_check.h"
#include "link/fake_device.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

class SteppingClock final : public DoctorClock {
public:
    double NowMs() const override { return now_ += 10; }

private:
    mutable double now_ = 0;
};

// Answers the engine unit's frames once each: a read with its echo and 42, the ROM ID
// request with 4A 31 78.
fakes::FakeDevice::Responder EngineUnit() {
    return [](const fakes::Bytes& frame) -> fakes::Bytes {
        if (frame == fakes::kRomIdRequestBytes) {
            return {0x4A, 0x31, 0x78};
        }
        if (frame.size() == 4 && frame[0] == 0x78) {
            return {frame[1], frame[2], 0x42};
        }
        return {};
    };
}

TEST(DoctorTimings, FirstReplyFromTheWakingFrameAndEachReadFromItsFrame) {
    fakes::FakeDevice device;
    device.SetResponder(EngineUnit());
    SteppingClock clock;
    TracedLine line(device, device, clock);
    DoctorFindings found;

    // Stop frame, pause, purge, the waking frame at 40 ms, its reply at 50 ms, ...
    const DoctorStep units = CheckUnits(line, found, nullptr);
    ASSERT_FALSE(units.evidence.empty());
    EXPECT_EQ(units.evidence.front(), "ECU: ROM ID 4A3178, first reply after 10 ms");

    LineVerdict verdict;
    const DoctorStep quality = CheckLineQuality(line, found, nullptr, verdict);
    ASSERT_EQ(quality.evidence.size(), 3u);
    EXPECT_EQ(quality.evidence[2],
              "time per address: 10.0 ms on average; the line itself needs 39.4 ms");
    EXPECT_EQ(verdict.text, "clean");
}

} // namespace
} // namespace korvane

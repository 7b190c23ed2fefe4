// A garbled reply can pass for a ROM ID: the units check asks again until two answers
// agree, and answers that disagree are a warning about the line, never a clean verdict.

#include "doctor/line_quality_check.h"
#include "doctor/units_check.h"
#include "link/fake_device.h"

#include <gtest/gtest.h>

#include <memory>

namespace korvane {
namespace {

using fakes::Bytes;

class CountingClock final : public DoctorClock {
public:
    double NowMs() const override { return ++ticks_; }

private:
    mutable double ticks_ = 0;
};

// Only the engine unit answers: a read with its echo and 42, the ROM ID requests of its
// n-th ROM ID transaction with the n-th of `romIds` (nothing once they run out).
fakes::FakeDevice::Responder EngineUnitGiving(std::vector<Bytes> romIds) {
    auto wakings = std::make_shared<std::size_t>(0);
    auto engineAsked = std::make_shared<bool>(false);
    return [=](const Bytes& frame) -> Bytes {
        if (frame == fakes::kRomIdRequestBytes) {
            return *engineAsked && *wakings <= romIds.size() ? romIds[*wakings - 1] : Bytes{};
        }
        if (frame == fakes::kStopBytes) {
            return {};
        }
        *engineAsked = frame[0] == 0x78;
        if (!*engineAsked) {
            return {};
        }
        ++*wakings;
        return {frame[1], frame[2], 0x42};
    };
}

TEST(UnitsCheck, AsksAgainUntilTwoRomIdsAgreeAndCallsDisagreementALineProblem) {
    const Bytes right = {0xA1, 0xB2, 0xC3};
    const Bytes torn = {0xBC, 0x00, 0x07};
    struct Row {
        std::vector<Bytes> romIds; // one for each ROM ID transaction with the engine unit
        std::string evidence;      // the engine unit's, without its time
        StepMark mark;
        std::string finding;
        int requests; // ROM ID transactions made
        bool clean;   // the line's verdict
    };
    for (const Row& row : {
             Row{{right, right},
                 "ECU: ROM ID A1B2C3",
                 StepMark::Ok,
                 "answers: ECU (ROM ID A1B2C3)",
                 2,
                 true},
             Row{{torn, right, right},
                 "ECU: ROM ID A1B2C3 after answers that disagree (BC0007, A1B2C3, A1B2C3)",
                 StepMark::Warning,
                 "garbled answers: the ROM IDs from ECU disagree; answers: ECU (ROM ID A1B2C3)",
                 3,
                 false},
             Row{{torn, right, {}, {0xD0, 0x00, 0x01}},
                 "ECU: ROM IDs disagree (BC0007, A1B2C3, none, D00001)",
                 StepMark::Warning,
                 "garbled answers: the ROM IDs from ECU disagree",
                 4,
                 false},
             // Nothing to confirm: a unit without a ROM ID is not asked again.
             Row{{{}, right, right},
                 "ECU: replies, but no ROM ID",
                 StepMark::Failed,
                 "replies come, but no unit gives a ROM ID",
                 1,
                 false},
         }) {
        fakes::FakeDevice device;
        device.SetResponder(EngineUnitGiving(row.romIds));
        CountingClock clock;
        TracedLine line(device, device, clock);
        DoctorFindings found;
        const DoctorStep units = CheckUnits(line, found, nullptr);
        const std::string what = row.evidence;
        ASSERT_FALSE(units.evidence.empty()) << what;
        EXPECT_EQ(units.evidence.front().substr(0, units.evidence.front().find(", first")),
                  row.evidence);
        EXPECT_STREQ(MarkText(units.mark), MarkText(row.mark)) << what;
        EXPECT_EQ(units.finding, row.finding) << what;
        // Each transaction starts and ends with a stop frame and wakes the unit with a read.
        EXPECT_EQ(device.CountWrites({0x78, 0x00, 0x00, 0x00}), row.requests) << what;

        if (units.mark != StepMark::Failed) {
            LineVerdict verdict;
            CheckLineQuality(line, found, nullptr, verdict);
            EXPECT_EQ(verdict.clean, row.clean) << what;
        }
    }
}

} // namespace
} // namespace korvane

#include "app/run_control.h"

#include "fake_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace korvane {
namespace {

using fakes::FakeWindow;

constexpr int kMemRead = 3004;
constexpr int kMemStop = 3005;
constexpr int kParamRead = 3017;
constexpr int kParamStop = 3018;
constexpr int kMemRepeat = 3021;
constexpr int kParamRepeat = 3022;

// Records every pass with its firstPass flag, e.g. "P1" for a first Read Parameters pass.
// A pass ends at once, or, while `hold` is set, when the test calls Finish(), as a pass on
// the worker thread ends some time after the tick that started it.
class RecordingPasses final : public RunPasses {
public:
    void RequestRomId(std::function<void()> finished) override { Start("R", finished); }
    void ReadMemoryBytes(std::function<void()> finished) override { Start("M", finished); }
    void ReadMemoryBlock(bool firstPass, std::function<void(bool)> finished) override {
        block = (block + 1) % blocksPerSweep;
        const bool sweepDone = block == 0;
        Start(std::string("B") + (firstPass ? "1" : "0"),
              [finished, sweepDone] { finished(sweepDone); });
    }
    void ReadParameters(bool firstPass, std::function<void()> finished) override {
        Start(std::string("P") + (firstPass ? "1" : "0"), finished);
    }

    void Start(const std::string& pass, std::function<void()> finished) {
        EXPECT_FALSE(underWay) << "a pass started while another was under way";
        log.push_back(pass);
        underWay = std::move(finished);
        if (!hold) {
            Finish();
        }
    }
    void Finish() {
        ASSERT_TRUE(underWay);
        auto finished = std::move(underWay);
        underWay = nullptr;
        finished();
    }

    std::vector<std::string> log;
    std::function<void()> underWay;
    bool hold = false;
    int blocksPerSweep = 3;
    int block = 0;
};

class RunControlTest : public ::testing::Test {
protected:
    // A command as the window logic runs it: the action, then the posted stop if any.
    void Command(const std::function<void()>& action) {
        action();
        control.AfterCommand();
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            control.OnTick();
        }
    }
    bool AtRest() const {
        return window.IsEnabled(kMemRead) && !window.IsEnabled(kMemStop) &&
               window.IsEnabled(kParamRead) && !window.IsEnabled(kParamStop);
    }

    FakeWindow window;
    AppContext context;
    RecordingPasses passes;
    RunControl control{window, context, passes};
};

using Log = std::vector<std::string>;

TEST_F(RunControlTest, ReadButtonsSetTheirButtonsAndStateForOnePassWithoutRepeat) {
    Command([&] { control.StartReadMemory(); });
    EXPECT_FALSE(window.IsEnabled(kMemRead));
    EXPECT_TRUE(window.IsEnabled(kMemStop));
    EXPECT_FALSE(window.IsEnabled(kParamRead));
    EXPECT_FALSE(window.IsEnabled(kParamStop));
    EXPECT_EQ(context.runState, RunState::ReadMemoryRunning);
    EXPECT_TRUE(context.firstPass);

    Command([&] { control.StartReadParameters(); });
    EXPECT_FALSE(window.IsEnabled(kMemRead));
    EXPECT_FALSE(window.IsEnabled(kMemStop));
    EXPECT_FALSE(window.IsEnabled(kParamRead));
    EXPECT_TRUE(window.IsEnabled(kParamStop));
    EXPECT_EQ(context.runState, RunState::ReadParametersRunning);

    // Without Repeat a run is exactly one pass.
    Ticks(4);
    EXPECT_EQ(passes.log, (Log{"P1"}));
    EXPECT_TRUE(AtRest());
    EXPECT_EQ(context.runState, RunState::Idle);
    Command([&] { control.StartReadMemory(); });
    Ticks(3);
    EXPECT_EQ(passes.log, (Log{"P1", "M"}));
    EXPECT_TRUE(AtRest());
}

TEST_F(RunControlTest, RepeatIsReadAfterEveryPass) {
    window.SetChecked(kParamRepeat, true);
    Command([&] { control.StartReadParameters(); });
    Ticks(3);
    EXPECT_EQ(passes.log, (Log{"P1", "P0", "P0"}));
    EXPECT_FALSE(AtRest());
    // Unchecking ends the run after the current pass.
    window.SetChecked(kParamRepeat, false);
    Ticks(3);
    EXPECT_EQ(passes.log, (Log{"P1", "P0", "P0", "P0"}));
    EXPECT_TRUE(AtRest());
}

TEST_F(RunControlTest, BlocksModeLooksAtRepeatOnlyAfterAFullSweep) {
    context.readMemoryMode = ReadMemoryMode::Blocks;
    Command([&] { control.StartReadMemory(); });
    Ticks(2);
    // Checking Repeat mid-sweep keeps the run going into the next sweep.
    window.SetChecked(kMemRepeat, true);
    Ticks(2);
    window.SetChecked(kMemRepeat, false);
    Ticks(5);
    EXPECT_EQ(passes.log, (Log{"B1", "B0", "B0", "B0", "B0", "B0"}));
    EXPECT_TRUE(AtRest());
}

TEST_F(RunControlTest, StopMidSweepActsAtOnceAndTheNextReadIsAFirstPass) {
    context.readMemoryMode = ReadMemoryMode::Blocks;
    window.SetChecked(kMemRepeat, true);
    Command([&] { control.StartReadMemory(); });
    Ticks(2);
    Command([&] { control.PostStop(); });
    EXPECT_TRUE(AtRest());
    EXPECT_EQ(context.runState, RunState::Idle);
    Ticks(2);
    Command([&] { control.StartReadMemory(); });
    Ticks(1);
    EXPECT_EQ(passes.log, (Log{"B1", "B0", "B1"}));
}

TEST_F(RunControlTest, SwitchingToBlocksMidRunGivesAPassThatIsNotFirst) {
    window.SetChecked(kMemRepeat, true);
    Command([&] { control.StartReadMemory(); });
    Ticks(1);
    context.readMemoryMode = ReadMemoryMode::Blocks;
    Ticks(1);
    EXPECT_EQ(passes.log, (Log{"M", "B0"}));
}

TEST_F(RunControlTest, RomIdRequestRunsOnceAtTheNextTickInPlaceOfAnyRun) {
    Command([&] { control.RequestRomId(); });
    EXPECT_EQ(window.GetText(3007), "------------");
    EXPECT_EQ(context.runState, RunState::RomIdPending);
    EXPECT_TRUE(passes.log.empty());
    Ticks(3);
    EXPECT_EQ(passes.log, (Log{"R"}));
    EXPECT_EQ(context.runState, RunState::Idle);
    // The buttons are not touched.
    EXPECT_TRUE(window.disabled.empty());

    // During a run it replaces the run and leaves its buttons.
    window.SetChecked(kParamRepeat, true);
    Command([&] { control.StartReadParameters(); });
    Ticks(1);
    Command([&] { control.RequestRomId(); });
    Ticks(3);
    EXPECT_EQ(passes.log, (Log{"R", "P1", "R"}));
    EXPECT_TRUE(window.IsEnabled(kParamStop));
    EXPECT_FALSE(window.IsEnabled(kParamRead));
    Command([&] { control.PostStop(); });
    EXPECT_TRUE(AtRest());

    // A read while a request is pending replaces the request.
    Command([&] { control.RequestRomId(); });
    Command([&] { control.StartReadParameters(); });
    Ticks(1);
    EXPECT_EQ(passes.log, (Log{"R", "P1", "R", "P1"}));
}

TEST_F(RunControlTest, StopRestoresTheButtonsAndAPostedOneComesBeforeTheNextTick) {
    window.Enable(kParamRead, false);
    context.firstPass = false;
    Command([&] { control.PostStop(); });
    EXPECT_TRUE(AtRest());
    EXPECT_FALSE(context.firstPass);
    EXPECT_EQ(context.runState, RunState::Idle);

    // A stop posted during a run (its command not yet returned) is handled before the tick.
    window.SetChecked(kParamRepeat, true);
    Command([&] { control.StartReadParameters(); });
    Ticks(1);
    control.PostStop();
    Ticks(1);
    EXPECT_EQ(passes.log, (Log{"P1"}));
    EXPECT_TRUE(AtRest());
}

TEST_F(RunControlTest, TicksDuringAPassMergeIntoOneThatFollowsIt) {
    window.SetChecked(kParamRepeat, true);
    Command([&] { control.StartReadParameters(); });
    passes.hold = true;
    Ticks(1);
    Ticks(3);
    EXPECT_EQ(passes.log, (Log{"P1"}));
    passes.Finish();
    EXPECT_EQ(passes.log, (Log{"P1", "P0"}));
    passes.Finish();
    Ticks(1);
    EXPECT_EQ(passes.log, (Log{"P1", "P0", "P0"}));
}

TEST_F(RunControlTest, AStopClickedDuringAPassActsAtOnceAndNoPassFollows) {
    window.SetChecked(kParamRepeat, true);
    Command([&] { control.StartReadParameters(); });
    passes.hold = true;
    Ticks(1);
    Ticks(1);
    Command([&] { control.PostStop(); });
    EXPECT_TRUE(AtRest());
    EXPECT_EQ(context.runState, RunState::Idle);
    passes.Finish();
    Ticks(2);
    EXPECT_EQ(passes.log, (Log{"P1"}));
    EXPECT_TRUE(AtRest());
}

TEST_F(RunControlTest, APassOfAStoppedRunDoesNotSteerTheNextRun) {
    // Stop and Read again while the last pass of the first run is still under way: the new
    // run starts with a first pass after it, and the old pass's end neither clears the
    // new run's first-pass flag nor ends it for want of Repeat.
    Command([&] { control.StartReadParameters(); });
    passes.hold = true;
    Ticks(1);
    Command([&] { control.PostStop(); });
    window.SetChecked(kParamRepeat, true);
    Command([&] { control.StartReadParameters(); });
    Ticks(1);
    window.SetChecked(kParamRepeat, false);
    passes.Finish();
    EXPECT_TRUE(context.firstPass);
    EXPECT_EQ(context.runState, RunState::ReadParametersRunning);
    EXPECT_EQ(passes.log, (Log{"P1", "P1"}));
}

TEST_F(RunControlTest, TicksFromADialogOpenedByACommandRunPasses) {
    window.SetChecked(kParamRepeat, true);
    Command([&] { control.StartReadParameters(); });
    Command([&] { Ticks(2); });
    EXPECT_EQ(passes.log, (Log{"P1", "P0"}));
}

TEST_F(RunControlTest, SendStopActsAtOnceAndAnswersAPostedStop) {
    window.SetChecked(kParamRepeat, true);
    Command([&] { control.StartReadParameters(); });
    control.PostStop();
    control.SendStop();
    EXPECT_FALSE(control.StopPending());
    EXPECT_TRUE(AtRest());
    // A run started in the same command is not ended by the stop that was already answered.
    control.StartReadParameters();
    control.AfterCommand();
    Ticks(1);
    EXPECT_EQ(passes.log, (Log{"P1"}));
}

} // namespace
} // namespace korvane

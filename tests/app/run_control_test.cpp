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
class RecordingPasses final : public RunPasses {
public:
    void RequestRomIdStep() override { Record("R"); }
    void ReadMemoryBytesPass() override { Record("M"); }
    bool ReadMemoryBlocksPass(bool firstPass) override {
        Record(std::string("B") + (firstPass ? "1" : "0"));
        block = (block + 1) % blocksPerSweep;
        return block == 0;
    }
    void ReadParametersPass(bool firstPass) override {
        Record(std::string("P") + (firstPass ? "1" : "0"));
    }

    void Record(const std::string& pass) {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        log.push_back(pass);
        if (during) {
            during();
        }
        --depth;
    }

    std::vector<std::string> log;
    std::function<void()> during;
    int blocksPerSweep = 3;
    int block = 0;
    int depth = 0;
    int maxDepth = 0;
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

TEST_F(RunControlTest, TicksDuringAPassMergeIntoOneAndNeverNest) {
    window.SetChecked(kParamRepeat, true);
    Command([&] { control.StartReadParameters(); });
    int nested = 0;
    passes.during = [&] {
        if (nested++ == 0) {
            // A nested event loop delivers three ticks while the first pass runs.
            Ticks(3);
        }
    };
    Ticks(1);
    EXPECT_EQ(passes.log, (Log{"P1", "P0"}));
    EXPECT_EQ(passes.maxDepth, 1);
}

TEST_F(RunControlTest, AStopClickedDuringAPassWinsOverTheMergedTick) {
    window.SetChecked(kParamRepeat, true);
    Command([&] { control.StartReadParameters(); });
    bool once = true;
    passes.during = [&] {
        if (once) {
            once = false;
            Ticks(1);
            Command([&] { control.PostStop(); });
            // Not handled inside the pass: the tick is still running.
            EXPECT_EQ(context.runState, RunState::ReadParametersRunning);
        }
    };
    Ticks(1);
    EXPECT_EQ(passes.log, (Log{"P1"}));
    EXPECT_TRUE(AtRest());
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

#include "app/run_control.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <utility>

namespace korvane {
namespace {

// Records every pass with its firstPass flag ("P1" is a first Read Parameters pass; a
// single-bytes pass is "M", a ROM ID request "R"), three blocks to a sweep. A pass ends at
// once, or, while `hold` is set, when the test finishes it, as a pass on the worker thread
// ends some time after the tick that started it.
class RecordingPasses final : public RunPasses {
public:
    void RequestRomId(std::function<void()> finished) override { Start("R", finished); }
    void ReadMemoryBytes(std::function<void()> finished) override { Start("M", finished); }
    void ReadMemoryBlock(bool firstPass, std::function<void(bool)> finished) override {
        const bool sweepDone = ++block % 3 == 0;
        Start(firstPass ? "B1" : "B0", [finished, sweepDone] { finished(sweepDone); });
    }
    void ReadParameters(bool firstPass, std::function<void()> finished) override {
        Start(firstPass ? "P1" : "P0", finished);
    }
    void Start(const std::string& pass, std::function<void()> finished) {
        EXPECT_FALSE(underWay) << "a pass started while another was under way";
        log += (log.empty() ? "" : " ") + pass;
        underWay = std::move(finished);
        if (!hold) {
            Finish();
        }
    }
    void Finish() {
        ASSERT_TRUE(underWay) << "no pass under way";
        std::exchange(underWay, nullptr)();
    }

    std::string log;
    std::function<void()> underWay;
    bool hold = false;
    int block = 0;
};

constexpr const char* kAtRest = "MemRead ParamRead";

// A run of events, one letter each (spaces only for reading):
//   M, P, R  Read Memory, Read Parameters, Get ROM ID clicked
//   S        Stop clicked: the buttons are at rest as soon as its command returns
//   s        a stop posted by a command that has not yet returned
//   x        a stop sent, acting at once
//   d        a command opens a dialog in which two ticks arrive
//   t        a tick of the poll timer
//   + -      both Repeat boxes checked, unchecked
//   B        Blocks mode chosen
//   h f      passes from now on wait to be finished; the pass under way finishes
struct RunCase {
    const char* events;
    const char* passes;
    const char* buttons; // the enabled Read and Stop buttons afterwards
    RunState state;
};

const RunCase kCases[] = {
    // Without Repeat a run is one pass.
    {"P t t t t M t t t", "P1 M", kAtRest, RunState::Idle},
    // Repeat is read after every pass; in Blocks mode only after a whole sweep.
    {"+ P t t t - t t t", "P1 P0 P0 P0", kAtRest, RunState::Idle},
    {"B M t t + t t - t t t t t", "B1 B0 B0 B0 B0 B0", kAtRest, RunState::Idle},
    // Stop mid-sweep acts at once, and the next read is a first pass again; a change of
    // mode mid-run is not.
    {"B + M t t S t t M t", "B1 B0 B1", "MemStop", RunState::ReadMemoryRunning},
    {"+ M t B t", "M B0", "MemStop", RunState::ReadMemoryRunning},
    // A ROM ID request runs once at the next tick, in place of any run, and leaves the
    // buttons; a read clicked while it waits replaces it.
    {"R t t t", "R", "MemRead MemStop ParamRead ParamStop", RunState::Idle},
    {"+ P t R t t t", "P1 R", "ParamStop", RunState::Idle},
    {"R P t", "P1", kAtRest, RunState::Idle},
    // A posted stop is handled before the next tick.
    {"+ P t s t", "P1", kAtRest, RunState::Idle},
    // Ticks during a pass merge into one that follows it; a Stop meanwhile acts at once
    // and no pass follows.
    {"+ P h t t t t f f t", "P1 P0 P0", "ParamStop", RunState::ReadParametersRunning},
    {"+ M h t t f", "M M", "MemStop", RunState::ReadMemoryRunning},
    {"R h t P t f", "R P1", "ParamStop", RunState::ReadParametersRunning},
    {"+ P h t t S f t t", "P1", kAtRest, RunState::Idle},
    // The end of a pass of a stopped or replaced run neither clears the new run's first
    // pass nor ends it for want of Repeat.
    {"P h t S + P t - f", "P1 P1", "ParamStop", RunState::ReadParametersRunning},
    {"P h t M f t", "P1 M", "MemStop", RunState::ReadMemoryRunning},
    {"M h t P f t", "M P1", "ParamStop", RunState::ReadParametersRunning},
    {"P h t R f t", "P1 R", "ParamStop", RunState::Idle},
    {"+ P d", "P1 P0", "ParamStop", RunState::ReadParametersRunning},
    // A sent stop answers a posted one: a run started next is not ended by it.
    {"+ P s x P t", "P1", "ParamStop", RunState::ReadParametersRunning},
};

void PrintTo(const RunCase& run, std::ostream* out) {
    *out << '"' << run.events << '"';
}

// The run buttons, the ROM ID box and the Repeat boxes.
class RunButtonsView final : public RunView {
public:
    void SetRunButtons(const RunButtons& shown) override { buttons = shown; }
    void ShowRomIdText(const std::string& text) override { romIdText = text; }
    bool RepeatChecked(RepeatBox /*box*/) const override { return repeat; }

    // Nothing has set them yet.
    RunButtons buttons{true, true, true, true};
    std::string romIdText;
    bool repeat = false;
};

class RunControlTest : public ::testing::TestWithParam<RunCase> {
protected:
    void Play(char event) {
        // A command as the presenter runs it: the action, then the posted stop if any.
        const auto command = [this](void (RunControl::*action)(), int times = 1) {
            for (int i = 0; i < times; ++i) {
                (control.*action)();
            }
            control.AfterCommand();
        };
        const auto repeat = [this](bool checked) { view.repeat = checked; };
        const std::map<char, std::function<void()>> events = {
            {'M', [&] { command(&RunControl::StartReadMemory); }},
            {'P', [&] { command(&RunControl::StartReadParameters); }},
            {'R', [&] { command(&RunControl::RequestRomId); }},
            {'S', [&] { command(&RunControl::PostStop); }},
            {'s', [&] { control.PostStop(); }},
            {'x', [&] { control.SendStop(); }},
            {'d', [&] { command(&RunControl::OnTick, 2); }},
            {'t', [&] { control.OnTick(); }},
            {'+', [&] { repeat(true); }},
            {'-', [&] { repeat(false); }},
            {'B', [&] { control.SetReadMemoryMode(ReadMemoryMode::Blocks); }},
            {'h', [&] { passes.hold = true; }},
            {'f', [&] { passes.Finish(); }},
        };
        if (const auto it = events.find(event); it != events.end()) {
            it->second();
        }
        if (event == 'R') {
            EXPECT_EQ(view.romIdText, "------------");
        }
        if (event == 'S') {
            EXPECT_EQ(Buttons(), kAtRest) << "Stop acts as soon as its command returns";
            EXPECT_EQ(control.State(), RunState::Idle);
        }
    }
    std::string Buttons() const {
        std::string enabled;
        const std::pair<bool, const char*> buttons[] = {{view.buttons.memoryRead, "MemRead"},
                                                        {view.buttons.memoryStop, "MemStop"},
                                                        {view.buttons.parametersRead, "ParamRead"},
                                                        {view.buttons.parametersStop, "ParamStop"}};
        for (const auto& [on, name] : buttons) {
            enabled += on ? (enabled.empty() ? "" : " ") + std::string(name) : "";
        }
        return enabled;
    }

    RunButtonsView view;
    RecordingPasses passes;
    RunControl control{view, passes};
};

TEST_P(RunControlTest, PassesAndButtonsFollowTheEvents) {
    for (const char event : std::string(GetParam().events)) {
        Play(event);
    }
    EXPECT_EQ(passes.log, GetParam().passes);
    EXPECT_EQ(Buttons(), GetParam().buttons);
    EXPECT_EQ(control.State(), GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(Events, RunControlTest, ::testing::ValuesIn(kCases));

} // namespace
} // namespace korvane

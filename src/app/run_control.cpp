#include "app/run_control.h"

namespace korvane {

namespace {
constexpr RunButtons kAtRest{true, false, true, false};
constexpr RunButtons kReadingMemory{false, true, false, false};
constexpr RunButtons kReadingParameters{false, false, false, true};
} // namespace

RunControl::RunControl(RunView& view, RunPasses& passes) : view_(view), passes_(passes) {}

void RunControl::StartReadMemory() {
    view_.SetRunButtons(kReadingMemory);
    NewRun();
    firstPass_ = true;
    runState_ = RunState::ReadMemoryRunning;
}

void RunControl::StartReadParameters() {
    view_.SetRunButtons(kReadingParameters);
    NewRun();
    firstPass_ = true;
    runState_ = RunState::ReadParametersRunning;
}

void RunControl::RequestRomId() {
    view_.ShowRomIdText("------------");
    NewRun();
    runState_ = RunState::RomIdPending;
}

void RunControl::PostStop() {
    stopPosted_ = true;
}

void RunControl::SendStop() {
    // A stop acting now also answers any stop still waiting.
    stopPosted_ = false;
    view_.SetRunButtons(kAtRest);
    NewRun();
    runState_ = RunState::Idle;
}

void RunControl::HandlePostedStop() {
    if (stopPosted_) {
        SendStop();
    }
}

void RunControl::AfterCommand() {
    HandlePostedStop();
}

void RunControl::WorkReported() {
    --workUnderWay_;
    if (tickDue_) {
        OnTick();
    }
}

void RunControl::OnTick() {
    if (passUnderWay_ || workUnderWay_ > 0) {
        tickDue_ = true;
        return;
    }
    tickDue_ = false;
    HandlePostedStop();
    StartWork();
}

void RunControl::StartWork() {
    const unsigned run = run_;
    const bool firstPass = firstPass_;
    switch (runState_) {
    case RunState::Idle:
        return;
    case RunState::RomIdPending:
        // The request is made now; a Read pressed meanwhile starts a run of its own.
        runState_ = RunState::Idle;
        passUnderWay_ = true;
        passes_.RequestRomId([this, run] { PassEnded(run, false, std::nullopt); });
        return;
    case RunState::ReadMemoryRunning:
        passUnderWay_ = true;
        if (readMemoryMode_ == ReadMemoryMode::Blocks) {
            passes_.ReadMemoryBlock(firstPass, [this, run](bool sweepDone) {
                PassEnded(run, sweepDone, RepeatBox::ReadMemory);
            });
        } else {
            passes_.ReadMemoryBytes([this, run] { PassEnded(run, true, RepeatBox::ReadMemory); });
        }
        return;
    case RunState::ReadParametersRunning:
        passUnderWay_ = true;
        passes_.ReadParameters(firstPass,
                               [this, run] { PassEnded(run, true, RepeatBox::ReadParameters); });
        return;
    }
}

void RunControl::PassEnded(unsigned run, bool sweepDone, std::optional<RepeatBox> repeatBox) {
    passUnderWay_ = false;
    // A pass of a run that was stopped or replaced meanwhile steers nothing.
    if (run == run_ && repeatBox) {
        // Repeat is looked at only when a pass, or a whole Blocks sweep, is complete.
        if (sweepDone && !view_.RepeatChecked(*repeatBox)) {
            PostStop();
        }
        firstPass_ = false;
    }
    HandlePostedStop();
    if (tickDue_) {
        OnTick();
    }
}

} // namespace korvane

#include "app/run_control.h"

#include "app/dialog_utils.h"
#include "app/window.h"
#include "resources/control_ids.h"

namespace korvane {

namespace m = ids::main;

RunControl::RunControl(Window& window, AppContext& context, RunPasses& passes)
    : window_(window), context_(context), passes_(passes) {}

void RunControl::SetButtons(bool memRead, bool memStop, bool paramRead, bool paramStop) {
    window_.Enable(m::kMemRead, memRead);
    window_.Enable(m::kMemStop, memStop);
    window_.Enable(m::kParamRead, paramRead);
    window_.Enable(m::kParamStop, paramStop);
}

void RunControl::StartReadMemory() {
    SetButtons(false, true, false, false);
    NewRun();
    context_.firstPass = true;
    context_.runState = RunState::ReadMemoryRunning;
}

void RunControl::StartReadParameters() {
    SetButtons(false, false, false, true);
    NewRun();
    context_.firstPass = true;
    context_.runState = RunState::ReadParametersRunning;
}

void RunControl::RequestRomId() {
    window_.SetText(m::kRomIdEdit, "------------");
    NewRun();
    context_.runState = RunState::RomIdPending;
}

void RunControl::PostStop() {
    stopPosted_ = true;
}

void RunControl::SendStop() {
    // A stop acting now also answers any stop still waiting.
    stopPosted_ = false;
    SetButtons(true, false, true, false);
    NewRun();
    context_.runState = RunState::Idle;
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
    const bool firstPass = context_.firstPass;
    switch (context_.runState) {
    case RunState::Idle:
        return;
    case RunState::RomIdPending:
        // The request is made now; a Read pressed meanwhile starts a run of its own.
        context_.runState = RunState::Idle;
        passUnderWay_ = true;
        passes_.RequestRomId([this, run] { PassEnded(run, false, 0); });
        return;
    case RunState::ReadMemoryRunning:
        passUnderWay_ = true;
        if (context_.readMemoryMode == ReadMemoryMode::Blocks) {
            passes_.ReadMemoryBlock(firstPass, [this, run](bool sweepDone) {
                PassEnded(run, sweepDone, m::kMemRepeat);
            });
        } else {
            passes_.ReadMemoryBytes([this, run] { PassEnded(run, true, m::kMemRepeat); });
        }
        return;
    case RunState::ReadParametersRunning:
        passUnderWay_ = true;
        passes_.ReadParameters(firstPass, [this, run] { PassEnded(run, true, m::kParamRepeat); });
        return;
    }
}

void RunControl::PassEnded(unsigned run, bool sweepDone, int repeatBox) {
    passUnderWay_ = false;
    // A pass of a run that was stopped or replaced meanwhile steers nothing.
    if (run == run_ && repeatBox != 0) {
        // Repeat is looked at only when a pass, or a whole Blocks sweep, is complete.
        if (sweepDone && !IsChecked(window_, repeatBox)) {
            PostStop();
        }
        context_.firstPass = false;
    }
    HandlePostedStop();
    if (tickDue_) {
        OnTick();
    }
}

} // namespace korvane

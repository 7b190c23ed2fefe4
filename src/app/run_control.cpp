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
    context_.firstPass = true;
    context_.runState = RunState::ReadMemoryRunning;
}

void RunControl::StartReadParameters() {
    SetButtons(false, false, false, true);
    context_.firstPass = true;
    context_.runState = RunState::ReadParametersRunning;
}

void RunControl::RequestRomId() {
    window_.SetText(m::kRomIdEdit, "------------");
    context_.runState = RunState::RomIdPending;
}

void RunControl::PostStop() {
    stopPosted_ = true;
}

void RunControl::SendStop() {
    // A stop acting now also answers any stop still waiting.
    stopPosted_ = false;
    SetButtons(true, false, true, false);
    context_.runState = RunState::Idle;
}

void RunControl::HandlePostedStop() {
    if (stopPosted_) {
        SendStop();
    }
}

void RunControl::AfterCommand() {
    // Inside a tick (a command from a nested loop) the tick handles it when it ends.
    if (!inTick_) {
        HandlePostedStop();
    }
}

void RunControl::OnTick() {
    if (inTick_) {
        tickDue_ = true;
        return;
    }
    inTick_ = true;
    do {
        tickDue_ = false;
        HandlePostedStop();
        RunOneTick();
        HandlePostedStop();
    } while (tickDue_);
    inTick_ = false;
}

void RunControl::RunOneTick() {
    switch (context_.runState) {
    case RunState::Idle:
        break;
    case RunState::RomIdPending:
        passes_.RequestRomIdStep();
        context_.runState = RunState::Idle;
        break;
    case RunState::ReadMemoryRunning:
        if (context_.readMemoryMode == ReadMemoryMode::Blocks) {
            if (!passes_.ReadMemoryBlocksPass(context_.firstPass)) {
                context_.firstPass = false;
                break;
            }
        } else {
            passes_.ReadMemoryBytesPass();
        }
        if (!IsChecked(window_, m::kMemRepeat)) {
            PostStop();
        }
        context_.firstPass = false;
        break;
    case RunState::ReadParametersRunning:
        passes_.ReadParametersPass(context_.firstPass);
        if (!IsChecked(window_, m::kParamRepeat)) {
            PostStop();
        }
        context_.firstPass = false;
        break;
    }
}

} // namespace korvane

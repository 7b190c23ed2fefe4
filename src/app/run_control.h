#pragma once

#include "app/app_context.h"

namespace korvane {

class Window;

// The work a tick does for each run state.
class RunPasses {
public:
    virtual ~RunPasses() = default;
    // Requests the ROM ID and shows the outcome.
    virtual void RequestRomIdStep() = 0;
    virtual void ReadMemoryBytesPass() = 0;
    // Reads one block; true when it was the last block of the sweep.
    virtual bool ReadMemoryBlocksPass(bool firstPass) = 0;
    virtual void ReadParametersPass(bool firstPass) = 0;
};

// The main window's run control: the commands that start and stop runs, and what each
// tick of the poll timer does. It keeps the order of stop requests and ticks itself, so
// it does not depend on how a toolkit orders its events:
// - a posted stop takes effect right after the command that posted it returns, and in
//   any case before the next tick runs;
// - a tick that arrives while another is running (from a nested event loop) does not run
//   inside it; all such ticks merge into one that runs when the current one ends.
class RunControl {
public:
    RunControl(Window& window, AppContext& context, RunPasses& passes);

    // "Read" of the Read Memory group and of the Read Parameters group.
    void StartReadMemory();
    void StartReadParameters();
    // "Get ROM ID": the request runs at the next tick.
    void RequestRomId();

    // Asks for the run to end once the current command or tick has returned.
    void PostStop();
    // Ends the run now, as a sent stop message does.
    void SendStop();

    // The window logic calls this when a command has returned.
    void AfterCommand();
    // One tick of the poll timer.
    void OnTick();

    bool StopPending() const { return stopPosted_; }

private:
    void RunOneTick();
    void HandlePostedStop();
    void SetButtons(bool memRead, bool memStop, bool paramRead, bool paramStop);

    Window& window_;
    AppContext& context_;
    RunPasses& passes_;
    bool stopPosted_ = false;
    bool inTick_ = false;
    bool tickDue_ = false;
};

} // namespace korvane

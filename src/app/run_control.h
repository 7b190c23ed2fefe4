#pragma once

#include "app/main_view.h"

#include <functional>
#include <optional>

namespace korvane {

// What a tick does next.
enum class RunState : int {
    Idle = 0,
    RomIdPending = 1,
    ReadMemoryRunning = 2,
    ReadParametersRunning = 3,
};

// The work a tick starts for each run state. Each call starts one unit of work and calls
// `finished` on the window's thread when it has ended (at once, or later when the work
// runs elsewhere).
class RunPasses {
public:
    virtual ~RunPasses() = default;
    // Requests the ROM ID and shows the outcome.
    virtual void RequestRomId(std::function<void()> finished) = 0;
    virtual void ReadMemoryBytes(std::function<void()> finished) = 0;
    // Reads one block; `finished` learns whether it was the last block of the sweep.
    virtual void ReadMemoryBlock(bool firstPass, std::function<void(bool sweepDone)> finished) = 0;
    virtual void ReadParameters(bool firstPass, std::function<void()> finished) = 0;
};

// The main window's run control: the commands that start and stop runs, and what each
// tick of the poll timer does. It keeps the order of stop requests and passes itself, so
// it depends neither on how a toolkit orders its events nor on how long a pass takes:
// - at most one pass is under way; ticks that fall due meanwhile merge into one that runs
//   as soon as it has ended;
// - a pass starts only once the work of earlier commands has reported back, so it reads
//   the window as those commands left it (a ROM ID chosen mid-run has shown its switch
//   addresses before the next pass takes them);
// - a posted stop takes effect right after the command that posted it returns, so the
//   buttons react at once; a pass under way still finishes (and shows what it read),
//   but no pass follows it.
class RunControl {
public:
    RunControl(RunView& view, RunPasses& passes);

    // "Read" of the Read Memory group and of the Read Parameters group.
    void StartReadMemory();
    void StartReadParameters();
    // "Get ROM ID": the request runs at the next tick.
    void RequestRomId();

    // Asks for the run to end once the current command or pass has returned.
    void PostStop();
    // Ends the run now, as a sent stop message does.
    void SendStop();

    // The presenter calls this when an action has returned.
    void AfterCommand();
    // One tick of the poll timer.
    void OnTick();

    // A command's work was handed to the worker, or has reported back.
    void WorkPosted() { ++workUnderWay_; }
    void WorkReported();

    // Bytes or Blocks, taken afresh at every tick.
    void SetReadMemoryMode(ReadMemoryMode mode) { readMemoryMode_ = mode; }
    ReadMemoryMode Mode() const { return readMemoryMode_; }
    RunState State() const { return runState_; }

    bool StopPending() const { return stopPosted_; }
    bool PassUnderWay() const { return passUnderWay_; }

private:
    void StartWork();
    // What the end of a pass does to the run it belonged to.
    void PassEnded(unsigned run, bool sweepDone, std::optional<RepeatBox> repeatBox);
    void HandlePostedStop();
    // A new run, or the end of one: passes of the run before no longer steer it.
    void NewRun() { ++run_; }

    RunView& view_;
    RunPasses& passes_;
    RunState runState_ = RunState::Idle;
    // True during the first tick of a run.
    bool firstPass_ = true;
    ReadMemoryMode readMemoryMode_ = ReadMemoryMode::Bytes;
    bool stopPosted_ = false;
    bool passUnderWay_ = false;
    bool tickDue_ = false;
    int workUnderWay_ = 0;
    unsigned run_ = 0;
};

} // namespace korvane

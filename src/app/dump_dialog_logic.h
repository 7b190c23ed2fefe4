#pragma once

#include "app/app_context.h"
#include "app/dump_view.h"
#include "app/unit_worker.h"
#include "link/unit_type.h"
#include "log/time_of_day.h"
#include "romtools/dump_state.h"
#include "romtools/rom_dumper.h"

#include <memory>
#include <string>

namespace korvane {

// Where the dump dialog takes the time from; tests pass clocks they drive themselves.
struct DumpClocks {
    TickClock ticks = SteadyMillisecondTicks;
    UtcClock utc = SystemUtcTimeOfDay;
};

// The dump's settings and file name, kept between openings of the dump dialog.
struct DumpSettings {
    DumpState state;
    std::string fileName = "romdump.bin";
};

// The ROM dump dialog (template 1020): takes the range, pre-fill and file name, and dumps
// one chunk per tick of its one-second timer, showing progress and, at the end, the
// check of the file. The settings live in `settings`, which outlive the dialog; the unit
// it reads is its own choice, ECU whenever it opens. While a
// dump runs, Start, Browse and the three number boxes are disabled; Exit ends the dump
// and keeps the part written. Each chunk is read on the context's worker; a tick that
// comes while one is under way is skipped, so the pace stays one chunk a tick at most.
class DumpDialogLogic final : public DumpActions {
public:
    DumpDialogLogic(DumpView& view, const AppContext& context, DumpSettings& settings,
                    DumpClocks clocks = {});

    // The dialog has been built: fill it in and start its timer.
    void OnCreate();

    void Start() override;
    void Browse() override;
    void ChooseUnit(UnitType unit) override { unit_ = unit; }
    void Exit() override;
    void Tick() override;

    // The unit the dump reads: the dialog's own ECU and TCU buttons choose it.
    UnitType Unit() const { return unit_; }

    // The pace of the dump: one chunk per tick.
    static constexpr int kTickMs = 1000;

private:
    void ShowStepResult(RomDumper::StepResult result);
    void ShowWriteFailure();
    bool Running() const { return running_; }

    DumpView& view_;
    const AppContext& context_;
    std::string& fileName_;
    UnitType unit_ = UnitType::Ecu;
    DumpClocks clocks_;
    // Shared with the chunk under way, which the worker may still be reading when the
    // program shuts down.
    std::shared_ptr<RomDumper> dumper_;
    bool running_ = false;
    bool chunkUnderWay_ = false;
    // Exit was pressed while a chunk was under way: the dialog closes when it ends.
    bool exitPending_ = false;
    CompletionGuard guard_;
};

} // namespace korvane

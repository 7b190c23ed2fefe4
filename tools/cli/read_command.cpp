#include "cli_session.h"
#include "command_output.h"
#include "pacer.h"
#include "reading/memory_commands.h"
#include "text/format_text.h"
#include "resources/control_ids.h"
#include "stop_signal.h"
#include "unit_commands.h"

namespace korvane::cli {

namespace {

namespace m = ids::main;

// The window's poll timer reads one pass, or one block, per tick.
constexpr int kPollPeriodMs = 100;
constexpr int kBlockLength = 16;

// One Blocks-mode sweep, a block per tick, ended early by a stop. Returns the blocks read.
int Sweep(CliSession& session, Pacer& pacer, const StopSignal& stop, bool firstPass,
          bool& complete) {
    complete = true;
    int blocks = 0;
    bool last = false;
    while (!last && pacer.WaitForNextStep(stop)) {
        last =
            ReadMemoryBlocksPass(session.MainWindow(), session.Context(), firstPass && blocks == 0);
        ++blocks;
        complete = complete && BytesReadOf(session.MainWindow().List(m::kMemList)) == kBlockLength;
    }
    return blocks;
}

} // namespace

int RunRead(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const ReadOptions& request = options.read;
    CliSession session(options);
    session.LoadDefinitions();
    std::string reason;
    if (!session.OpenPort(reason)) {
        return Fail(err, "read", reason);
    }
    if (request.logFile && !session.OpenLog(*request.logFile, reason)) {
        return Fail(err, "read", reason);
    }
    HeadlessWindow& window = session.MainWindow();
    AppContext& context = session.Context();
    window.SetText(m::kMemAddressEdit, FormatText("%04X", static_cast<unsigned>(request.address)));
    window.SetText(m::kMemCountEdit, std::to_string(request.count));
    window.CheckRadioButton(m::kModeBytes, m::kModeBlocks,
                            request.blocks ? m::kModeBlocks : m::kModeBytes);
    context.readMemoryMode = request.blocks ? ReadMemoryMode::Blocks : ReadMemoryMode::Bytes;

    StopSignal stop;
    Pacer pacer(kPollPeriodMs);
    bool lastPassComplete = true;
    for (int pass = 0; pass < request.passes && !stop.Requested(); ++pass) {
        bool passRan = false;
        if (request.blocks) {
            passRan = Sweep(session, pacer, stop, pass == 0, lastPassComplete) > 0;
        } else if (pacer.WaitForNextStep(stop)) {
            ReadMemoryBytesPass(window, context);
            lastPassComplete = BytesReadOf(window.List(m::kMemList)) == request.count;
            passRan = true;
        }
        if (passRan) {
            PrintLines(out, window.List(m::kMemList));
            out.flush();
        }
    }
    if (!session.CloseLog(reason)) {
        return Fail(err, "read", reason);
    }
    if (!lastPassComplete) {
        return Fail(err, "read", "the unit did not answer every read of the last pass");
    }
    return kExitSuccess;
}

} // namespace korvane::cli

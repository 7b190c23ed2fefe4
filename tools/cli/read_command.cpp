#include "cli_session.h"
#include "command_output.h"
#include "pacer.h"
#include "reading/pass_texts.h"
#include "reading/read_memory_blocks.h"
#include "reading/read_memory_bytes.h"
#include "reading/read_memory_state.h"
#include "stop_signal.h"
#include "unit_commands.h"

#include <optional>

namespace korvane::cli {

namespace {

// The window's poll timer reads one pass, or one block, per tick.
constexpr int kPollPeriodMs = 100;

// What one pass of the command showed, and whether the unit answered every read of it.
struct ShownPass {
    std::vector<std::string> lines;
    bool complete = true;
};

// One Blocks-mode sweep, a block per tick, ended early by a stop. None when a stop came
// before its first block.
std::optional<ShownPass> Sweep(CliSession& session, const MemoryRequest& request, Pacer& pacer,
                               const StopSignal& stop, bool firstPass) {
    std::optional<ShownPass> shown;
    bool last = false;
    while (!last && pacer.WaitForNextStep(stop)) {
        const BlocksPassResult pass =
            ReadMemoryBlocksPass(session.Link(), session.Unit().Log(), session.Unit().Memory(),
                                 firstPass && !shown, request);
        const bool complete = (!shown || shown->complete) && pass.bytesRead == kBlockLength;
        shown = ShownPass{BlocksPassLines(pass), complete};
        last = pass.sweepComplete;
    }
    return shown;
}

std::optional<ShownPass> BytesPass(CliSession& session, const MemoryRequest& request, Pacer& pacer,
                                   const StopSignal& stop) {
    if (!pacer.WaitForNextStep(stop)) {
        return std::nullopt;
    }
    const BytesPassResult pass =
        ReadMemoryBytesPass(session.Link(), session.Unit().Log(), session.Unit().Memory(), request);
    return ShownPass{BytesPassLines(pass), pass.bytesRead == request.count};
}

} // namespace

int RunRead(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const ReadOptions& readOptions = options.read;
    CliSession session(options);
    session.LoadDefinitions();
    std::string reason;
    if (!session.OpenPort(reason, err)) {
        return Fail(err, "read", reason);
    }
    if (readOptions.logFile && !session.OpenLog(*readOptions.logFile, reason)) {
        return Fail(err, "read", reason);
    }

    const MemoryRequest request{readOptions.address, readOptions.count};
    StopSignal stop;
    Pacer pacer(kPollPeriodMs);
    bool lastPassComplete = true;
    for (int pass = 0; pass < readOptions.passes && !stop.Requested(); ++pass) {
        const std::optional<ShownPass> shown = readOptions.blocks
                                                   ? Sweep(session, request, pacer, stop, pass == 0)
                                                   : BytesPass(session, request, pacer, stop);
        if (shown) {
            PrintLines(out, shown->lines);
            out.flush();
            lastPassComplete = shown->complete;
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

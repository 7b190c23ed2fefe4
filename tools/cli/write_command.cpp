#include "cli_session.h"
#include "command_output.h"
#include "reading/pass_texts.h"
#include "reading/write_memory.h"
#include "text/format_text.h"
#include "unit_commands.h"

namespace korvane::cli {

int RunWrite(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const WriteOptions& request = options.write;
    CliSession session(options);
    session.LoadDefinitions();
    std::string reason;
    if (!session.OpenPort(reason, err)) {
        return Fail(err, "write", reason);
    }
    const WriteOutcome outcome = WriteMemory(session.Link(), request.address, request.data);
    out << WriteResultText(outcome) << '\n';
    if (!outcome.answered) {
        return Fail(err, "write", "no reply");
    }
    if (outcome.reported != request.data) {
        return Fail(err, "write",
                    "the unit reports " + FormatText("0x%02x", outcome.reported) + " at " +
                        FormatText("0x%04X", request.address) + ", not the byte written");
    }
    return kExitSuccess;
}

} // namespace korvane::cli

#include "cli_session.h"
#include "command_output.h"
#include "reading/memory_commands.h"
#include "text/format_text.h"
#include "resources/control_ids.h"
#include "unit_commands.h"

namespace korvane::cli {

namespace {

namespace m = ids::main;

} // namespace

int RunWrite(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const WriteOptions& request = options.write;
    CliSession session(options);
    session.LoadDefinitions();
    std::string reason;
    if (!session.OpenPort(reason)) {
        return Fail(err, "write", reason);
    }
    HeadlessWindow& window = session.MainWindow();
    window.SetText(m::kWriteAddressEdit, FormatText("%04X", request.address));
    window.SetText(m::kWriteDataEdit, FormatText("%02X", request.data));
    const std::uint8_t reported = WriteMemoryCommand(window, session.Context());
    out << window.GetText(m::kWriteResult) << '\n';
    if (reported != request.data) {
        return Fail(err, "write",
                    "the unit reports " + FormatText("0x%02x", reported) + " at " +
                        FormatText("0x%04X", request.address) + ", not the byte written");
    }
    return kExitSuccess;
}

} // namespace korvane::cli

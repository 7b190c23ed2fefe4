#include "cli_session.h"
#include "command_output.h"
#include "reading/rom_id_request.h"
#include "resources/control_ids.h"
#include "unit_commands.h"

namespace korvane::cli {

int RunRomId(const CliOptions& options, std::ostream& out, std::ostream& err) {
    CliSession session(options);
    session.LoadDefinitions();
    std::string reason;
    if (!session.OpenPort(reason)) {
        out << "no comms\n";
        return Fail(err, "romid", reason);
    }
    RequestAndShowRomId(session.MainWindow(), session.Context());
    const std::string shown = session.MainWindow().GetText(ids::main::kRomIdEdit);
    out << shown << '\n';
    if (shown == "no comms" || shown == "error") {
        return Fail(err, "romid", "the unit gave no ROM ID");
    }
    return kExitSuccess;
}

} // namespace korvane::cli

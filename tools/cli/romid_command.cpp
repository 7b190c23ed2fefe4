#include "cli_session.h"
#include "command_output.h"
#include "reading/pass_texts.h"
#include "reading/rom_id_request.h"
#include "unit_commands.h"

namespace korvane::cli {

int RunRomId(const CliOptions& options, std::ostream& out, std::ostream& err) {
    CliSession session(options);
    session.LoadDefinitions();
    std::string reason;
    const bool portOpen = session.OpenPort(reason, err);
    const RomIdOutcome outcome =
        RequestRomIdAndSelect(session.Link(), portOpen, session.Definitions());
    out << RomIdOutcomeText(outcome) << '\n';
    if (!portOpen) {
        return Fail(err, "romid", reason);
    }
    if (outcome.kind != RomIdOutcome::Kind::Read) {
        return Fail(err, "romid", "the unit gave no ROM ID");
    }
    return kExitSuccess;
}

} // namespace korvane::cli

#include "cli_session.h"
#include "command_output.h"
#include "pacer.h"
#include "port_recovery.h"
#include "reading/parameter_pass.h"
#include "reading/pass_texts.h"
#include "reading/rom_id_request.h"
#include "reading/rom_id_view.h"
#include "stop_signal.h"
#include "unit_commands.h"

namespace korvane::cli {

namespace {

// The window's poll timer runs one pass per tick.
constexpr int kPollPeriodMs = 100;

// Selects the group as a choice in the ROM ID list does, or as "Get ROM ID" does with the
// unit's own ID. False with the reason when no group is selected afterwards.
bool SelectGroup(CliSession& session, const ParamsOptions& options, std::string& reason) {
    DefinitionStore& definitions = session.Definitions();
    if (options.romId) {
        definitions.SelectRomId(*options.romId);
        if (definitions.SelectedGroup() == nullptr) {
            reason = "no ROM ID of SelectMonitor.ini matches " + *options.romId;
            return false;
        }
        return true;
    }
    const bool portOpen = true; // the port opened before the group is chosen
    const RomIdOutcome outcome = RequestRomIdAndSelect(session.Link(), portOpen, definitions);
    if (outcome.kind != RomIdOutcome::Kind::Read) {
        reason = "the unit gave no ROM ID (" + RomIdOutcomeText(outcome) + ")";
        return false;
    }
    if (definitions.SelectedGroup() == nullptr) {
        reason = "no ROM ID of SelectMonitor.ini matches the unit's " + outcome.romId;
        return false;
    }
    return true;
}

// The switch addresses the window puts into its boxes when the group is selected.
SwitchAddresses SwitchAddressesOfGroup(const DefinitionStore& definitions) {
    const RomIdView view = MakeRomIdView(definitions);
    return {SwitchAddressFromText(view.inputSwitchAddress.value_or("")),
            SwitchAddressFromText(view.ioSwitchAddress.value_or(""))};
}

void PrintPass(const ParameterPassResult& pass, std::ostream& out) {
    PrintLines(out, ParameterPassLines(pass));
    out << "Input switches: " << SwitchByteText(pass.switches.input) << '\n'
        << "IO switches: " << SwitchByteText(pass.switches.io) << '\n';
    out.flush();
}

} // namespace

int RunParams(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const ParamsOptions& request = options.params;
    CliSession session(options);
    session.LoadDefinitions();
    std::string reason;
    if (!session.OpenPort(reason, err) || !SelectGroup(session, request, reason)) {
        return Fail(err, "params", reason);
    }
    DefinitionStore& definitions = session.Definitions();
    DefinitionStore::AddressMap addresses;
    if (definitions.SelectedAddressMap(addresses) == 0) {
        return Fail(err, "params",
                    "ROM ID " + definitions.SelectedRomIdText() + " lists no parameters to read");
    }
    if (request.logFile && !session.OpenLog(*request.logFile, reason)) {
        return Fail(err, "params", reason);
    }

    const SwitchAddresses switches = SwitchAddressesOfGroup(definitions);
    UnitSession& unit = session.Unit();
    StopSignal stop;
    Pacer pacer(kPollPeriodMs);
    PortRecovery recovery(session, "params", err);
    bool lastPassComplete = true;
    for (long long pass = 0; request.follow || pass < request.passes; ++pass) {
        if (!pacer.WaitForNextStep(stop)) {
            break;
        }
        recovery.BeforePass();
        const ParameterPassResult result =
            ReadParametersPass(session.Link(), definitions, unit.Log(), unit.ParameterPassCount(),
                               pass == 0, switches);
        PrintPass(result, out);
        recovery.AfterPass();
        lastPassComplete = result.bytesRead == static_cast<int>(result.parameters.size());
    }
    if (!session.CloseLog(reason)) {
        return Fail(err, "params", reason);
    }
    if (!lastPassComplete) {
        return Fail(err, "params", "the unit did not answer every read of the last pass");
    }
    return kExitSuccess;
}

} // namespace korvane::cli

#include "cli_session.h"
#include "command_output.h"
#include "pacer.h"
#include "reading/read_parameters_pass.h"
#include "reading/rom_id_request.h"
#include "reading/rom_id_view.h"
#include "resources/control_ids.h"
#include "stop_signal.h"
#include "unit_commands.h"

namespace korvane::cli {

namespace {

namespace m = ids::main;

// The window's poll timer runs one pass per tick.
constexpr int kPollPeriodMs = 100;

// Selects the group as a choice in the ROM ID list does, or as "Get ROM ID" does with the
// unit's own ID. False with the reason when no group is selected afterwards.
bool SelectGroup(CliSession& session, const ParamsOptions& options, std::string& reason) {
    HeadlessWindow& window = session.MainWindow();
    DefinitionStore& store = session.Definitions();
    if (options.romId) {
        store.SelectRomId(*options.romId);
        RefreshRomIdView(window, store);
        if (store.SelectedGroup() == nullptr) {
            reason = "no ROM ID of SelectMonitor.ini matches " + *options.romId;
            return false;
        }
        return true;
    }
    RequestAndShowRomId(window, session.Context());
    const std::string romId = window.GetText(m::kRomIdEdit);
    if (romId == "no comms" || romId == "error") {
        reason = "the unit gave no ROM ID (" + romId + ")";
        return false;
    }
    if (store.SelectedGroup() == nullptr) {
        reason = "no ROM ID of SelectMonitor.ini matches the unit's " + romId;
        return false;
    }
    return true;
}

void PrintPass(const HeadlessWindow& window, std::ostream& out) {
    PrintLines(out, window.List(m::kParamList));
    out << "Input switches: " << window.GetText(m::kInputSwitchValue) << '\n'
        << "IO switches: " << window.GetText(m::kIoSwitchValue) << '\n';
    out.flush();
}

} // namespace

int RunParams(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const ParamsOptions& request = options.params;
    CliSession session(options);
    session.LoadDefinitions();
    std::string reason;
    if (!session.OpenPort(reason) || !SelectGroup(session, request, reason)) {
        return Fail(err, "params", reason);
    }
    DefinitionStore::AddressMap addresses;
    const int addressCount = session.Definitions().SelectedAddressMap(addresses);
    if (addressCount == 0) {
        return Fail(err, "params",
                    "ROM ID " + session.Definitions().SelectedRomIdText() +
                        " lists no parameters to read");
    }
    if (request.logFile && !session.OpenLog(*request.logFile, reason)) {
        return Fail(err, "params", reason);
    }

    StopSignal stop;
    Pacer pacer(kPollPeriodMs);
    bool lastPassComplete = true;
    for (long long pass = 0; request.follow || pass < request.passes; ++pass) {
        if (!pacer.WaitForNextStep(stop)) {
            break;
        }
        ReadParametersPass(session.MainWindow(), session.Context(), pass == 0);
        PrintPass(session.MainWindow(), out);
        lastPassComplete = BytesReadOf(session.MainWindow().List(m::kParamList)) == addressCount;
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

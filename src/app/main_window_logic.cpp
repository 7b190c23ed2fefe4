#include "app/main_window_logic.h"

#include "app/checksum_command.h"
#include "app/definitions_reload.h"
#include "app/dialog_utils.h"
#include "app/port_scan.h"
#include "app/view_messages.h"
#include "link/read_transaction.h"
#include "reading/memory_inputs.h"
#include "reading/pass_texts.h"
#include "reading/rom_id_view.h"
#include "reading/switch_bytes.h"
#include "reading/unit_session.h"

#include <string>
#include <utility>
#include <vector>

namespace korvane {

namespace {

constexpr int kPollPeriodMs = 100;

bool LogFailed(LogFile& log) {
    return log.IsOpen() && log.Failed();
}

} // namespace

MainWindowLogic::MainWindowLogic(MainView& view, const AppContext& context)
    : view_(view), context_(context) {}

template <class Work, class Show> void MainWindowLogic::Post(Work work, Show show) {
    UnitSession* session = context_.session;
    runs_.WorkPosted();
    PostUnitWork(
        *context_.worker,
        [session, work = std::move(work)]() mutable {
            auto result = work();
            return std::make_pair(std::move(result), LogFailed(session->Log()));
        },
        guard_([this, show = std::move(show)](auto outcome) mutable {
            show(std::move(outcome.first));
            ShowLogFailure(outcome.second);
            runs_.WorkReported();
        }));
}

void MainWindowLogic::OnCreate() {
    view_.StartPollTimer(kPollPeriodMs);

    // Nothing has been posted to the worker yet, so the definitions are loaded here.
    for (const auto& line : context_.startupMessages) {
        view_.AddMessage(line);
    }
    ViewMessages messages(view_);
    // Bare names, opened in the working directory and echoed as the user knows them.
    context_.session->LoadDefinitions("", &messages);
    const DefinitionStore& definitions = context_.session->Definitions();

    Scan(definitions.CommPort());

    std::vector<std::string> romIds;
    definitions.RomIdNames(romIds);
    view_.ShowRomIds(romIds, "null");

    runs_.SendStop();
    unit_ = UnitType::Ecu;
    view_.ShowUnit(unit_);
    runs_.SetReadMemoryMode(ReadMemoryMode::Bytes);
    view_.ShowReadMemoryMode(ReadMemoryMode::Bytes);
}

void MainWindowLogic::StopRun() {
    runs_.PostStop();
    // The stop takes effect as the command returns, before any further tick.
    runs_.AfterCommand();
}

void MainWindowLogic::GetRomId() {
    runs_.RequestRomId();
}

void MainWindowLogic::OpenLog() {
    const FileFilter filter = {{"Log files (txt,log,csv)", "*.txt;*.log;*.csv"},
                               {"All files", "*.*"}};
    // A log is appended to, so an existing file is as good as a new one.
    if (!AskOpenFileName(view_, logFileName_, filter, context_.programDirectory, "Select Log File",
                         FileDialogKind::NewOrExistingFile)) {
        return;
    }
    const std::string name = logFileName_;
    UnitSession* session = context_.session;
    Post([session, name] { return session->Log().Open(name); },
         [this, name](bool opened) {
             logFailureShown_ = false;
             // Opening closed the log that was open before, so its name must not stay shown.
             view_.ShowLogStatus(opened ? name : "Open failed: " + name);
         });
}

void MainWindowLogic::CloseLog() {
    const std::string name = logFileName_;
    UnitSession* session = context_.session;
    Post(
        [session] {
            const bool wasOpen = session->Log().IsOpen();
            return wasOpen && !session->Log().Close();
        },
        [this, name](bool writeFailed) {
            logFailureShown_ = false;
            view_.ShowLogStatus(writeFailed ? "Closed. Write failed: " + name
                                            : std::string("Closed."));
        });
}

void MainWindowLogic::ShowLogFailure(bool failed) {
    if (logFailureShown_ || !failed) {
        return;
    }
    logFailureShown_ = true;
    view_.ShowLogStatus("Write failed: " + logFileName_);
}

void MainWindowLogic::ShowRomIdView(const RomIdView& view) {
    view_.ShowRomIdView(view);
    for (const auto& observer : romIdViewObservers_) {
        observer(view);
    }
}

void MainWindowLogic::ChecksumFile() {
    ChecksumFileCommand(view_, context_.programDirectory);
}

void MainWindowLogic::DumpMemory() {
    // No run may go on while the dump owns the line; the dump may leave TCU chosen.
    runs_.SendStop();
    view_.OpenDumpDialog(dump_, [this] {
        unit_ = UnitType::Ecu;
        view_.ShowUnit(unit_);
    });
}

void MainWindowLogic::CheckConnection() {
    const RunState state = runs_.State();
    const bool readRunActive =
        state == RunState::ReadMemoryRunning || state == RunState::ReadParametersRunning;
    view_.OpenConnectionCheckDialog(ItemText(view_.PortNameText()), readRunActive);
}

void MainWindowLogic::ChoosePort(const std::string& typedOrChosen) {
    const std::string name = ItemText(typedOrChosen);
    UnitSession* session = context_.session;
    Post(
        [session, name]() -> std::optional<PortStatus> {
            SerialPort& port = session->Port();
            // Choosing the port in use again is how a user reconnects a unit whose device
            // went away and came back; a port that still works is left alone.
            if (name == port.PortName() && !port.DeviceLost()) {
                return std::nullopt;
            }
            session->OpenPort(name);
            return StatusOf(port);
        },
        [this](std::optional<PortStatus> status) {
            if (status) {
                ShowPortStatus(view_, *status, "error");
            }
        });
}

void MainWindowLogic::ChooseRomId(const std::string& typedOrChosen) {
    const std::string text = ItemText(typedOrChosen);
    UnitSession* session = context_.session;
    Post(
        [session, text] {
            session->Definitions().SelectRomId(text);
            return MakeRomIdView(session->Definitions());
        },
        [this](const RomIdView& view) { ShowRomIdView(view); });
}

void MainWindowLogic::ReadAddress(std::uint32_t address,
                                  std::function<void(std::optional<std::uint8_t>)> done) {
    UnitSession* session = context_.session;
    const UnitType unit = unit_;
    Post(
        [session, unit, address]() -> std::optional<std::uint8_t> {
            const std::uint32_t addresses[] = {address};
            std::uint8_t byte = 0;
            if (ReadAddressSequence(session->Link(unit), addresses, {&byte, 1}) != 1) {
                return std::nullopt;
            }
            return byte;
        },
        std::move(done));
}

void MainWindowLogic::ReloadDefinitions() {
    runs_.SendStop();
    UnitSession* session = context_.session;
    Post([session] { return korvane::ReloadDefinitions(*session); },
         [this](const DefinitionsReload& reload) {
             for (const std::string& line : reload.messages) {
                 view_.AddMessage(line);
             }
             view_.ShowRomIds(reload.romIds, reload.preselect);
             ShowRomIdView(reload.view);
         });
}

void MainWindowLogic::ScanPorts() {
    runs_.SendStop();
    // The preferred port is not looked at: the first port found is opened.
    Scan(0);
}

void MainWindowLogic::Scan(int preferredPort) {
    UnitSession* session = context_.session;
    Post([session, preferredPort] { return ScanSerialPorts(*session, preferredPort); },
         [this](const PortScanOutcome& outcome) { ShowPortScan(view_, outcome); });
}

void MainWindowLogic::ClearReadMemory() {
    UnitSession* session = context_.session;
    Post(
        [session] {
            session->Memory().Clear();
            return true;
        },
        [this](bool) { view_.ShowMemoryLines({}); });
}

void MainWindowLogic::WriteMemory() {
    const std::uint16_t address = WriteAddressFromText(view_.WriteAddressText());
    const std::uint8_t data = WriteDataFromText(view_.WriteDataText());
    UnitSession* session = context_.session;
    const UnitType unit = unit_;
    Post([session, unit, address,
          data] { return korvane::WriteMemory(session->Link(unit), address, data); },
         [this](const WriteOutcome& outcome) { view_.ShowWriteResult(WriteResultText(outcome)); });
}

void MainWindowLogic::Passes::RequestRomId(std::function<void()> finished) {
    UnitSession* session = logic_.context_.session;
    const UnitType unit = logic_.unit_;
    logic_.Post(
        [session, unit] {
            const RomIdOutcome outcome = RequestRomIdAndSelect(
                session->Link(unit), session->Port().IsOpen(), session->Definitions());
            return std::make_pair(outcome, MakeRomIdView(session->Definitions()));
        },
        [this, finished](const std::pair<RomIdOutcome, RomIdView>& result) {
            // A ROM ID read also brings the view in line with the selection it made.
            if (result.first.kind == RomIdOutcome::Kind::Read) {
                logic_.ShowRomIdView(result.second);
            }
            logic_.view_.ShowRomIdText(RomIdOutcomeText(result.first));
            finished();
        });
}

void MainWindowLogic::Passes::ReadParameters(bool firstPass, std::function<void()> finished) {
    UnitSession* session = logic_.context_.session;
    const UnitType unit = logic_.unit_;
    const SwitchAddresses switches{
        SwitchAddressFromText(ItemText(logic_.view_.InputSwitchAddressText())),
        SwitchAddressFromText(ItemText(logic_.view_.IoSwitchAddressText()))};
    logic_.Post(
        [session, unit, firstPass, switches] {
            return ReadParametersPass(session->Link(unit), session->Definitions(), session->Log(),
                                      session->ParameterPassCount(), firstPass, switches);
        },
        [this, finished, firstPass](const ParameterPassResult& pass) {
            // The bytes are kept first, so a window the view updates with the pass sees them.
            if (pass.read) {
                logic_.lastPassBytes_.clear();
                for (const ParameterReading& parameter : pass.parameters) {
                    if (parameter.byte) {
                        logic_.lastPassBytes_[parameter.name] = *parameter.byte;
                    }
                }
            }
            logic_.view_.ShowParameterPass(pass);
            for (const auto& observer : logic_.parameterPassObservers_) {
                observer(pass, firstPass);
            }
            finished();
        });
}

void MainWindowLogic::Passes::ReadMemoryBytes(std::function<void()> finished) {
    UnitSession* session = logic_.context_.session;
    const UnitType unit = logic_.unit_;
    const MemoryRequest request =
        MemoryRequestFromTexts(logic_.view_.MemoryAddressText(), logic_.view_.MemoryCountText());
    logic_.Post(
        [session, unit, request] {
            return ReadMemoryBytesPass(session->Link(unit), session->Log(), session->Memory(),
                                       request);
        },
        [this, finished](const BytesPassResult& pass) {
            logic_.view_.ShowMemoryLines(BytesPassLines(pass));
            finished();
        });
}

void MainWindowLogic::Passes::ReadMemoryBlock(bool firstPass, std::function<void(bool)> finished) {
    UnitSession* session = logic_.context_.session;
    const UnitType unit = logic_.unit_;
    // Only a first pass takes the boxes; later ones go on with the sweep.
    const MemoryRequest request =
        MemoryRequestFromTexts(logic_.view_.MemoryAddressText(), logic_.view_.MemoryCountText());
    logic_.Post(
        [session, unit, firstPass, request] {
            return ReadMemoryBlocksPass(session->Link(unit), session->Log(), session->Memory(),
                                        firstPass, request);
        },
        [this, finished](const BlocksPassResult& pass) {
            logic_.view_.ShowMemoryLines(BlocksPassLines(pass));
            finished(pass.sweepComplete);
        });
}

} // namespace korvane

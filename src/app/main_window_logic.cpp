#include "app/main_window_logic.h"

#include "app/checksum_command.h"
#include "app/dialog_utils.h"
#include "app/list_box_messages.h"
#include "app/port_scan.h"
#include "app/reading_view.h"
#include "app/window.h"
#include "reading/unit_session.h"
#include "resources/control_ids.h"

#include <string>
#include <utility>
#include <vector>

namespace korvane {

namespace {

namespace m = ids::main;

constexpr int kPollPeriodMs = 100;

std::vector<int> MemoryListTabStops() {
    std::vector<int> stops;
    for (int k = 0; k < 20; ++k) {
        stops.push_back(25 + 12 * k);
    }
    return stops;
}

bool LogFailed(LogFile& log) {
    return log.IsOpen() && log.Failed();
}

} // namespace

MainWindowLogic::MainWindowLogic(Window& window, AppContext& context)
    : window_(window), context_(context), runs_(window, context, passes_) {}

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
    window_.StartTimer(kPollPeriodMs);

    // Nothing has been posted to the worker yet, so the definitions are loaded here.
    ListBoxMessages messages(window_, m::kMemList);
    for (const auto& line : context_.startupMessages) {
        window_.ListAdd(m::kMemList, line);
    }
    // Bare names, opened in the working directory and echoed as the user knows them.
    context_.session->LoadDefinitions("", &messages);
    const DefinitionStore& definitions = context_.session->Definitions();

    ScanPorts(definitions.CommPort());

    std::vector<std::string> romIds;
    definitions.RomIdNames(romIds);
    FillComboBox(window_, m::kRomIdCombo, romIds, true, "null");

    window_.SetTabStops(m::kMemList, MemoryListTabStops());
    window_.SetTabStops(m::kParamList, {25, 45, 140, 150, 160});

    window_.SetText(m::kMemAddressEdit, "0000");
    AttachUpDown(window_, {.editId = m::kMemCountEdit,
                           .upDownId = m::kMemCountUpDown,
                           .lower = 1,
                           .upper = 16,
                           .position = 16});
    AttachUpDown(window_, {.editId = m::kMemAddressEdit,
                           .upDownId = m::kMemAddressUpDown,
                           .lower = 0,
                           .upper = 0xFFFF,
                           .position = 0x1000,
                           .base = 16});

    runs_.SendStop();

    window_.CheckRadioButton(m::kUnitEcu, m::kUnitCruise, m::kUnitEcu);
    context_.unitType = UnitType::Ecu;
    window_.CheckRadioButton(m::kModeBytes, m::kModeBlocks, m::kModeBytes);
    context_.readMemoryMode = ReadMemoryMode::Bytes;

    AttachUpDown(window_, {.editId = m::kWriteAddressEdit,
                           .upDownId = m::kWriteAddressUpDown,
                           .lower = 0,
                           .upper = 0xFFFF,
                           .position = 0x1000,
                           .base = 16});
}

void MainWindowLogic::OnCommand(int id, int notification) {
    RunCommand(id, notification);
    // A stop the command posted takes effect now, before any further tick.
    runs_.AfterCommand();
}

void MainWindowLogic::OnTimer() {
    runs_.OnTick();
}

void MainWindowLogic::RunCommand(int id, int notification) {
    switch (id) {
    case ids::kMenuExit:
        window_.Close();
        break;
    case ids::kMenuAbout:
        window_.OpenModalDialog(ids::kAboutTemplate, {});
        break;
    case ids::kMenuOpenLog:
        OpenLog();
        break;
    case ids::kMenuCloseLog:
        CloseLog();
        break;
    case m::kPortCombo:
        ChoosePort(notification);
        break;
    case m::kMemStop:
    case m::kParamStop:
        runs_.PostStop();
        break;
    case m::kGetRomId:
        runs_.RequestRomId();
        break;
    case m::kRomIdCombo:
        ChooseRomId(notification);
        break;
    case m::kParamRead:
        runs_.StartReadParameters();
        break;
    case m::kMemRead:
        runs_.StartReadMemory();
        break;
    case m::kMemClear:
        ClearReadMemory();
        break;
    case m::kWrite:
        WriteMemory();
        break;
    case ids::kMenuChecksumFile:
        ChecksumFileCommand(window_, context_.programDirectory);
        break;
    case ids::kMenuDumpMemory:
        // No run may go on while the dump owns the line; the dump may leave TCU chosen.
        runs_.SendStop();
        window_.OpenModalDialog(ids::kDumpTemplate, [this] {
            window_.CheckRadioButton(m::kUnitEcu, m::kUnitCruise, m::kUnitEcu);
            context_.unitType = UnitType::Ecu;
        });
        break;
    case m::kScanPorts:
        runs_.SendStop();
        ScanPorts(0);
        break;
    case m::kUnitEcu:
    case m::kUnitTcu:
    case m::kUnitAircon:
    case m::kUnit4ws:
    case m::kUnitCruise:
        context_.unitType = UnitTypeFromValue(id - m::kUnitEcu);
        break;
    case m::kModeBytes:
        context_.readMemoryMode = ReadMemoryMode::Bytes;
        break;
    case m::kModeBlocks:
        context_.readMemoryMode = ReadMemoryMode::Blocks;
        break;
    default:
        break;
    }
}

void MainWindowLogic::OpenLog() {
    const FileFilter filter = {{"Log files (txt,log,csv)", "*.txt;*.log;*.csv"},
                               {"All files", "*.*"}};
    // A log is appended to, so an existing file is as good as a new one.
    if (!AskOpenFileName(window_, context_.logFileName, filter, context_.programDirectory,
                         "Select Log File", FileDialogKind::NewOrExistingFile)) {
        return;
    }
    const std::string name = context_.logFileName;
    UnitSession* session = context_.session;
    Post([session, name] { return session->Log().Open(name); },
         [this, name](bool opened) {
             logFailureShown_ = false;
             // Opening closed the log that was open before, so its name must not stay shown.
             window_.SetText(m::kLogStatus, opened ? name : "Open failed: " + name);
         });
}

void MainWindowLogic::CloseLog() {
    const std::string name = context_.logFileName;
    UnitSession* session = context_.session;
    Post(
        [session] {
            const bool wasOpen = session->Log().IsOpen();
            return wasOpen && !session->Log().Close();
        },
        [this, name](bool writeFailed) {
            logFailureShown_ = false;
            window_.SetText(m::kLogStatus,
                            writeFailed ? "Closed. Write failed: " + name : std::string("Closed."));
        });
}

void MainWindowLogic::ShowLogFailure(bool failed) {
    if (logFailureShown_ || !failed) {
        return;
    }
    logFailureShown_ = true;
    window_.SetText(m::kLogStatus, "Write failed: " + context_.logFileName);
}

void MainWindowLogic::ChoosePort(int notification) {
    std::string name = "none";
    if (GetComboText(name, window_, m::kPortCombo, notification) == ComboCommand::Ignore) {
        return;
    }
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
                ShowPortStatus(window_, *status, "error");
            }
        });
}

void MainWindowLogic::ChooseRomId(int notification) {
    std::string text = "none";
    if (GetComboText(text, window_, m::kRomIdCombo, notification) == ComboCommand::Ignore) {
        return;
    }
    UnitSession* session = context_.session;
    Post(
        [session, text] {
            session->Definitions().SelectRomId(text);
            return MakeRomIdView(session->Definitions());
        },
        [this](const RomIdView& view) { ShowRomIdView(window_, view); });
}

void MainWindowLogic::ScanPorts(int preferredPort) {
    UnitSession* session = context_.session;
    Post([session, preferredPort] { return ScanSerialPorts(*session, preferredPort); },
         [this](const PortScanOutcome& outcome) { ShowPortScan(window_, outcome); });
}

void MainWindowLogic::ClearReadMemory() {
    UnitSession* session = context_.session;
    Post(
        [session] {
            session->Memory().Clear();
            return true;
        },
        [this](bool) { window_.ListReset(m::kMemList); });
}

void MainWindowLogic::WriteMemory() {
    const std::uint16_t address = WriteAddressFromText(window_.GetText(m::kWriteAddressEdit));
    const std::uint8_t data = WriteDataFromText(window_.GetText(m::kWriteDataEdit));
    UnitSession* session = context_.session;
    const UnitType unit = context_.unitType;
    Post([session, unit, address,
          data] { return korvane::WriteMemory(session->Link(unit), address, data); },
         [this](const WriteOutcome& outcome) { ShowWriteOutcome(window_, outcome); });
}

void MainWindowLogic::Passes::RequestRomId(std::function<void()> finished) {
    UnitSession* session = logic_.context_.session;
    const UnitType unit = logic_.context_.unitType;
    logic_.Post(
        [session, unit] {
            const RomIdOutcome outcome = RequestRomIdAndSelect(
                session->Link(unit), session->Port().IsOpen(), session->Definitions());
            return std::make_pair(outcome, MakeRomIdView(session->Definitions()));
        },
        [this, finished](const std::pair<RomIdOutcome, RomIdView>& result) {
            ShowRomIdOutcome(logic_.window_, result.first, result.second);
            finished();
        });
}

void MainWindowLogic::Passes::ReadParameters(bool firstPass, std::function<void()> finished) {
    UnitSession* session = logic_.context_.session;
    const UnitType unit = logic_.context_.unitType;
    const SwitchAddresses switches = SwitchAddressesOf(logic_.window_);
    logic_.Post(
        [session, unit, firstPass, switches] {
            return ReadParametersPass(session->Link(unit), session->Definitions(), session->Log(),
                                      session->ParameterPassCount(), firstPass, switches);
        },
        [this, finished, firstPass](const ParameterPassResult& pass) {
            ShowParameterPass(logic_.window_, pass);
            if (logic_.parameterPassObserver_) {
                logic_.parameterPassObserver_(pass, firstPass);
            }
            finished();
        });
}

void MainWindowLogic::Passes::ReadMemoryBytes(std::function<void()> finished) {
    UnitSession* session = logic_.context_.session;
    const UnitType unit = logic_.context_.unitType;
    const MemoryRequest request = MemoryRequestOf(logic_.window_);
    logic_.Post(
        [session, unit, request] {
            return ReadMemoryBytesPass(session->Link(unit), session->Log(), session->Memory(),
                                       request);
        },
        [this, finished](const BytesPassResult& pass) {
            ShowBytesPass(logic_.window_, pass);
            finished();
        });
}

void MainWindowLogic::Passes::ReadMemoryBlock(bool firstPass, std::function<void(bool)> finished) {
    UnitSession* session = logic_.context_.session;
    const UnitType unit = logic_.context_.unitType;
    // Only a first pass takes the boxes; later ones go on with the sweep.
    const MemoryRequest request = MemoryRequestOf(logic_.window_);
    logic_.Post(
        [session, unit, firstPass, request] {
            return ReadMemoryBlocksPass(session->Link(unit), session->Log(), session->Memory(),
                                        firstPass, request);
        },
        [this, finished](const BlocksPassResult& pass) {
            ShowBlocksPass(logic_.window_, pass);
            finished(pass.sweepComplete);
        });
}

} // namespace korvane

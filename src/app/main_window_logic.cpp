#include "app/main_window_logic.h"

#include "app/dialog_utils.h"
#include "app/list_box_messages.h"
#include "app/port_scan.h"
#include "app/window.h"
#include "definitions/definition_store.h"
#include "link/serial_port.h"
#include "link/unit_type.h"
#include "log/log_file.h"
#include "reading/memory_commands.h"
#include "reading/read_parameters_pass.h"
#include "reading/rom_id_request.h"
#include "reading/rom_id_view.h"
#include "resources/control_ids.h"
#include "romtools/checksum_command.h"

#include <string>
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

} // namespace

MainWindowLogic::MainWindowLogic(Window& window, AppContext& context)
    : window_(window), context_(context), runs_(window, context, passes_) {}

void MainWindowLogic::OnCreate() {
    window_.StartTimer(kPollPeriodMs);

    ListBoxMessages messages(window_, m::kMemList);
    for (const auto& line : context_.startupMessages) {
        window_.ListAdd(m::kMemList, line);
    }
    // Bare names, opened in the working directory and echoed as the user knows them.
    context_.definitions->LoadParameterFile("paramdef.ini", &messages);
    context_.definitions->LoadMonitorFile("SelectMonitor.ini", &messages);

    ScanPorts(context_.definitions->CommPort());

    std::vector<std::string> romIds;
    context_.definitions->RomIdNames(romIds);
    FillComboBox(window_, m::kRomIdCombo, romIds, true, "null");

    window_.SetTabStops(m::kMemList, MemoryListTabStops());
    window_.SetTabStops(m::kParamList, {25, 45, 140, 150, 160});

    window_.SetText(m::kMemAddressEdit, "0000");
    AttachUpDown(window_, m::kMemCountEdit, m::kMemCountUpDown, 16, 1, 16);
    AttachUpDown(window_, m::kMemAddressEdit, m::kMemAddressUpDown, 0xFFFF, 0, 0x1000, 16);

    runs_.SendStop();

    window_.CheckRadioButton(m::kUnitEcu, m::kUnitCruise, m::kUnitEcu);
    context_.unitType = UnitType::Ecu;
    window_.CheckRadioButton(m::kModeBytes, m::kModeBlocks, m::kModeBytes);
    context_.readMemoryMode = ReadMemoryMode::Bytes;

    AttachUpDown(window_, m::kWriteAddressEdit, m::kWriteAddressUpDown, 0xFFFF, 0, 0x1000, 16);
}

void MainWindowLogic::OnCommand(int id, int notification) {
    RunCommand(id, notification);
    // A stop the command posted takes effect now, before any further tick.
    runs_.AfterCommand();
}

void MainWindowLogic::OnTimer() {
    runs_.OnTick();
    ShowLogFailure();
}

void MainWindowLogic::RunCommand(int id, int notification) {
    switch (id) {
    case ids::kMenuExit:
        window_.Close();
        break;
    case ids::kMenuAbout:
        window_.OpenModalDialog(ids::kAboutTemplate);
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
        ClearReadMemory(window_, context_);
        break;
    case m::kWrite:
        WriteMemoryCommand(window_, context_);
        break;
    case ids::kMenuChecksumFile:
        ChecksumFileCommand(window_, context_.programDirectory);
        break;
    case ids::kMenuDumpMemory:
        // No run may go on while the dump owns the line; the dump may leave TCU chosen.
        runs_.SendStop();
        window_.OpenModalDialog(ids::kDumpTemplate);
        window_.CheckRadioButton(m::kUnitEcu, m::kUnitCruise, m::kUnitEcu);
        context_.unitType = UnitType::Ecu;
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
    if (!AskOpenFileName(window_, context_.logFileName, filter, context_.programDirectory,
                         "Select Log File")) {
        return;
    }
    logFailureShown_ = false;
    if (context_.log->Open(context_.logFileName)) {
        window_.SetText(m::kLogStatus, context_.logFileName);
    } else {
        // Opening closed the log that was open before, so its name must not stay shown.
        window_.SetText(m::kLogStatus, "Open failed: " + context_.logFileName);
    }
}

void MainWindowLogic::CloseLog() {
    const bool wasOpen = context_.log->IsOpen();
    const bool closed = context_.log->Close();
    logFailureShown_ = false;
    window_.SetText(m::kLogStatus, wasOpen && !closed
                                       ? "Closed. Write failed: " + context_.logFileName
                                       : std::string("Closed."));
}

void MainWindowLogic::ShowLogFailure() {
    if (logFailureShown_ || !context_.log->IsOpen() || !context_.log->Failed()) {
        return;
    }
    logFailureShown_ = true;
    window_.SetText(m::kLogStatus, "Write failed: " + context_.logFileName);
}

void MainWindowLogic::ChoosePort(int notification) {
    std::string name = "none";
    if (!GetComboText(name, window_, m::kPortCombo, notification)) {
        return;
    }
    SerialPort& port = *context_.serialPort;
    // Choosing the port in use again is how a user reconnects a unit whose device went
    // away and came back; a port that still works is left alone.
    if (name == port.PortName() && !port.DeviceLost()) {
        return;
    }
    OpenUnitPort(port, name);
    ShowPortStatus(window_, port, "error");
}

void MainWindowLogic::ChooseRomId(int notification) {
    std::string text = "none";
    if (!GetComboText(text, window_, m::kRomIdCombo, notification)) {
        return;
    }
    context_.definitions->SelectRomId(text);
    RefreshRomIdView(window_, *context_.definitions);
}

void MainWindowLogic::ScanPorts(int preferredPort) {
    SerialPort& port = *context_.serialPort;
    const int offered = ScanSerialPorts(window_, port, preferredPort);
    ShowPortStatus(window_, port, "Error");
    if (offered == 0) {
        window_.SetToolTip(m::kPortStatus, "No serial ports found");
    }
}

void MainWindowLogic::Passes::RequestRomIdStep() {
    RequestAndShowRomId(logic_.window_, logic_.context_);
}

void MainWindowLogic::Passes::ReadParametersPass(bool firstPass) {
    korvane::ReadParametersPass(logic_.window_, logic_.context_, firstPass);
}

void MainWindowLogic::Passes::ReadMemoryBytesPass() {
    korvane::ReadMemoryBytesPass(logic_.window_, logic_.context_);
}

bool MainWindowLogic::Passes::ReadMemoryBlocksPass(bool firstPass) {
    return korvane::ReadMemoryBlocksPass(logic_.window_, logic_.context_, firstPass);
}

} // namespace korvane

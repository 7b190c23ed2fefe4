#pragma once

#include "sim_process.h"

#include "app/app_context.h"
#include "app/fake_window.h"
#include "app/main_window_logic.h"
#include "app/test_support.h"
#include "app/unit_worker.h"
#include "reading/unit_session.h"
#include "resources/control_ids.h"

#include <optional>
#include <string>
#include <vector>

namespace korvane::integration {

// The program's objects wired as at start-up, the main window's logic on a fake window, and
// the simulated car reached as "COM1" through a sandboxed port folder. The definition files
// are the examples unless a test writes its own into Folder().
class CarInWindow {
public:
    CarInWindow();

    // Starts the simulator (again, after StopCar) with the arguments; false when it does not
    // start. COM1 then leads to its pty.
    bool StartCar(const std::vector<std::string>& arguments);
    // Kills the simulator at once, as a pulled cable or a crash would end it.
    void KillCar();

    // Creates the main window: definitions, port scan, ROM ID list.
    void CreateWindow();
    void Command(int id, int notification = 0) { logic.OnCommand(id, notification); }
    void Tick() { logic.OnTimer(); }
    // Selects the entry with the text in combo box `id` and confirms the choice.
    void Choose(int id, const std::string& text);

    const std::vector<std::string>& MemList() { return window.List(ids::main::kMemList); }
    const std::vector<std::string>& ParamList() { return window.List(ids::main::kParamList); }

    const fakes::TempFolder& Folder() const { return folder; }

    fakes::PortSandbox sandbox;
    fakes::TempFolder folder;
    std::optional<ecusim::SimProcess> car;
    UnitSession session;
    SerialPort& port = session.Port();
    DefinitionStore& store = session.Definitions();
    LogFile& log = session.Log();
    InlineWorker worker;
    AppContext context;
    fakes::FakeWindow window{{ids::main::kPortCombo}};
    MainWindowLogic logic{window, context};
};

} // namespace korvane::integration

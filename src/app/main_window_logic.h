#pragma once

#include "app/app_context.h"
#include "app/run_control.h"
#include "app/window_logic.h"

namespace korvane {

class Window;

// The main window (template 1000): loads the definitions and opens the port when created,
// turns every command into its action, and runs the reading passes tick by tick through
// its run control.
class MainWindowLogic final : public WindowLogic {
public:
    MainWindowLogic(Window& window, AppContext& context);

    void OnCreate() override;
    void OnCommand(int id, int notification) override;
    void OnTimer() override;

    // The run control, for the commands of other windows that stop a run.
    RunControl& Runs() { return runs_; }

private:
    // What a tick does in each run state.
    class Passes final : public RunPasses {
    public:
        explicit Passes(MainWindowLogic& logic) : logic_(logic) {}
        void RequestRomIdStep() override;
        void ReadMemoryBytesPass() override;
        bool ReadMemoryBlocksPass(bool firstPass) override;
        void ReadParametersPass(bool firstPass) override;

    private:
        MainWindowLogic& logic_;
    };

    void RunCommand(int id, int notification);
    void OpenLog();
    void CloseLog();
    void ChoosePort(int notification);
    void ChooseRomId(int notification);
    void ScanPorts(int preferredPort);
    void ShowLogFailure();

    Window& window_;
    AppContext& context_;
    Passes passes_{*this};
    RunControl runs_;
    // A failed log write has been shown in the status line.
    bool logFailureShown_ = false;
};

} // namespace korvane

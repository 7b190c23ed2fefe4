#pragma once

#include "app/app_context.h"
#include "app/run_control.h"
#include "app/unit_worker.h"
#include "app/window_logic.h"

#include <functional>

namespace korvane {

class Window;
struct ParameterPassResult;

// The main window (template 1000): loads the definitions and opens the port when created,
// turns every command into its action, and runs the reading passes tick by tick through
// its run control. Everything that touches the port, the definitions, the log or the
// reading state is posted to the context's worker; the window shows the outcome when the
// worker reports back.
class MainWindowLogic final : public WindowLogic {
public:
    MainWindowLogic(Window& window, AppContext& context);

    void OnCreate() override;
    void OnCommand(int id, int notification) override;
    void OnTimer() override;

    // The run control, for the commands of other windows that stop a run.
    RunControl& Runs() { return runs_; }

    // Called with every Read Parameters pass once the window shows it, and whether it was
    // the first pass of its run.
    using ParameterPassObserver = std::function<void(const ParameterPassResult&, bool firstPass)>;
    void ObserveParameterPasses(ParameterPassObserver observer) {
        parameterPassObserver_ = std::move(observer);
    }

private:
    // What a tick starts in each run state.
    class Passes final : public RunPasses {
    public:
        explicit Passes(MainWindowLogic& logic) : logic_(logic) {}
        void RequestRomId(std::function<void()> finished) override;
        void ReadMemoryBytes(std::function<void()> finished) override;
        void ReadMemoryBlock(bool firstPass, std::function<void(bool)> finished) override;
        void ReadParameters(bool firstPass, std::function<void()> finished) override;

    private:
        MainWindowLogic& logic_;
    };

    // Runs `work` on the worker and `show` with its result here, then shows a log that
    // stopped taking lines.
    template <class Work, class Show> void Post(Work work, Show show);

    void RunCommand(int id, int notification);
    void OpenLog();
    void CloseLog();
    void ChoosePort(int notification);
    void ChooseRomId(int notification);
    void ScanPorts(int preferredPort);
    void ClearReadMemory();
    void WriteMemory();
    void ShowLogFailure(bool failed);

    Window& window_;
    AppContext& context_;
    Passes passes_{*this};
    RunControl runs_;
    ParameterPassObserver parameterPassObserver_;
    // A failed log write has been shown in the status line.
    bool logFailureShown_ = false;
    CompletionGuard guard_;
};

} // namespace korvane

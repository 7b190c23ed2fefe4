#pragma once

#include "app/app_context.h"
#include "app/definitions_host.h"
#include "app/dump_dialog_logic.h"
#include "app/main_view.h"
#include "app/run_control.h"
#include "app/unit_worker.h"

#include <functional>
#include <string>
#include <vector>

namespace korvane {

struct ParameterPassResult;
struct RomIdView;

// The presenter of the main window: loads the definitions and opens the port when the
// window is created, turns every user action into its action, and runs the reading passes
// tick by tick through its run control. It owns what the window's actions change: the
// unit, the Read Memory mode and the run, the log file's name and the dump's settings.
// Everything that touches the port, the definitions, the log or the reading state is
// posted to the context's worker; the view shows the outcome when the worker reports back.
class MainWindowLogic final : public MainActions, public DefinitionsHost {
public:
    MainWindowLogic(MainView& view, const AppContext& context);

    // The window has been built: start it up.
    void OnCreate();

    void ScanPorts() override;
    void ChoosePort(const std::string& name) override;
    void GetRomId() override;
    void ChooseRomId(const std::string& text) override;
    void ChooseUnit(UnitType unit) override { unit_ = unit; }
    void ChooseReadMemoryMode(ReadMemoryMode mode) override { runs_.SetReadMemoryMode(mode); }
    void ReadMemory() override { runs_.StartReadMemory(); }
    void ClearReadMemory() override;
    void ReadParameters() override { runs_.StartReadParameters(); }
    void StopRun() override;
    void WriteMemory() override;
    void OpenLog() override;
    void CloseLog() override;
    void ChecksumFile() override;
    void DumpMemory() override;
    void About() override { view_.OpenAboutBox(); }
    void CheckConnection() override;
    void Exit() override { view_.Close(); }
    void Tick() override { runs_.OnTick(); }

    std::map<std::string, std::uint8_t> LastPassBytes() const override { return lastPassBytes_; }
    void ReadAddress(std::uint32_t address,
                     std::function<void(std::optional<std::uint8_t>)> done) override;
    // Stops a run first: its log's columns were named after the definitions it began with.
    void ReloadDefinitions() override;

    UnitType Unit() const { return unit_; }
    const RunControl& Runs() const { return runs_; }
    const std::string& LogFileName() const { return logFileName_; }

    // Each observer is called with every Read Parameters pass once the window shows it, and
    // whether it was the first pass of its run.
    using ParameterPassObserver = std::function<void(const ParameterPassResult&, bool firstPass)>;
    void ObserveParameterPasses(ParameterPassObserver observer) {
        parameterPassObservers_.push_back(std::move(observer));
    }
    // Each observer is called with the selected ROM-ID group whenever the window shows it.
    using RomIdViewObserver = std::function<void(const RomIdView&)>;
    void ObserveRomIdViews(RomIdViewObserver observer) {
        romIdViewObservers_.push_back(std::move(observer));
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

    void Scan(int preferredPort);
    void ShowLogFailure(bool failed);
    void ShowRomIdView(const RomIdView& view);

    MainView& view_;
    const AppContext& context_;
    UnitType unit_ = UnitType::Ecu;
    std::string logFileName_ = "korvane.csv";
    DumpSettings dump_;
    Passes passes_{*this};
    RunControl runs_{view_, passes_};
    std::vector<ParameterPassObserver> parameterPassObservers_;
    std::vector<RomIdViewObserver> romIdViewObservers_;
    std::map<std::string, std::uint8_t> lastPassBytes_;
    // A failed log write has been shown in the status line.
    bool logFailureShown_ = false;
    CompletionGuard guard_;
};

} // namespace korvane

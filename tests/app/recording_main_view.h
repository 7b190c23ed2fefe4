#pragma once

// A main window that keeps in memory what its presenter showed and answers what it asks
// with what the test typed, checked and chose.

#include "app/dump_dialog_logic.h"
#include "app/main_view.h"
#include "app/recorded_dialogs.h"
#include "reading/parameter_pass.h"
#include "reading/pass_texts.h"
#include "reading/rom_id_view.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace korvane::fakes {

class RecordingMainView final : public MainView, public DialogRecords {
public:
    void SetRunButtons(const RunButtons& shown) override { buttons = shown; }
    void ShowRomIdText(const std::string& text) override { romIdText = text; }
    bool RepeatChecked(RepeatBox box) const override {
        return box == RepeatBox::ReadMemory ? memoryRepeat : parametersRepeat;
    }
    MessageBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                    MessageBoxStyle style) override {
        return RecordMessageBox(text, caption, style);
    }
    bool AskOpenFileName(std::string& path, const FileFilter& filter,
                         const std::string& initialFolder, const std::string& title,
                         FileDialogKind kind) override {
        return RecordFileDialog(path, filter, initialFolder, title, kind);
    }
    void StartPollTimer(int periodMs) override { timerPeriods.push_back(periodMs); }
    void AddMessage(const std::string& line) override { memoryLines.push_back(line); }
    void ShowMemoryLines(const std::vector<std::string>& lines) override { memoryLines = lines; }
    void ShowPorts(const std::vector<std::string>& names, const std::string& chosen) override {
        ports = names;
        chosenPort = chosen;
    }
    void ShowPortStatus(const std::string& text, const std::string& details) override {
        portStatus = text;
        portDetails = details;
    }
    void ShowRomIds(const std::vector<std::string>& entries,
                    const std::string& preselect) override {
        romIds = entries;
        romIdPreselected = preselect;
    }
    void ShowRomIdView(const RomIdView& view) override {
        shownRomId = view.romId;
        parameterLines.clear();
        for (const RomIdParameter& parameter : view.parameters) {
            parameterLines.push_back(PlaceholderLine(parameter));
        }
        inputSwitchAddress = view.inputSwitchAddress.value_or(inputSwitchAddress);
        ioSwitchAddress = view.ioSwitchAddress.value_or(ioSwitchAddress);
    }
    void ShowUnit(UnitType shown) override { unit = shown; }
    void ShowReadMemoryMode(ReadMemoryMode shown) override { mode = shown; }
    void ShowParameterPass(const ParameterPassResult& pass) override {
        parameterLines = ParameterPassLines(pass);
        if (pass.read) {
            switches = pass.switches;
        }
    }
    void ShowWriteResult(const std::string& text) override { writeResult = text; }
    void ShowLogStatus(const std::string& text) override { logStatus = text; }
    std::string MemoryAddressText() const override { return memoryAddress; }
    std::string MemoryCountText() const override { return memoryCount; }
    std::string WriteAddressText() const override { return writeAddress; }
    std::string WriteDataText() const override { return writeData; }
    std::string InputSwitchAddressText() const override { return inputSwitchAddress; }
    std::string IoSwitchAddressText() const override { return ioSwitchAddress; }
    std::string PortNameText() const override { return chosenPort; }
    // The dialog is over when onModal returns.
    void OpenAboutBox() override { Modal("About", {}); }
    void OpenDumpDialog(DumpSettings& settings, std::function<void()> afterClose) override {
        dumpSettings = &settings;
        Modal("Dump", std::move(afterClose));
    }
    void OpenConnectionCheckDialog(const std::string& portName, bool readRunActive) override {
        connectionChecks.push_back(portName + (readRunActive ? " during a Read run" : ""));
        Modal("Check connection", {});
    }
    void Close() override { ++closeRequests; }

    // What the window shows; the run buttons as a window's buttons start, all enabled.
    RunButtons buttons{true, true, true, true};
    std::string romIdText;
    std::vector<int> timerPeriods;
    std::vector<std::string> memoryLines;
    std::vector<std::string> ports;
    std::string chosenPort;
    std::string portStatus = "-status-";
    std::string portDetails;
    std::vector<std::string> romIds;
    std::string romIdPreselected;
    std::string shownRomId;
    std::vector<std::string> parameterLines;
    std::optional<SwitchBytes> switches;
    std::optional<UnitType> unit;
    std::optional<ReadMemoryMode> mode;
    std::string writeResult;
    std::string logStatus = "Closed.";
    // What the user typed and checked, starting as the window starts.
    std::string memoryAddress = "1000";
    std::string memoryCount = "16";
    std::string writeAddress = "1000";
    std::string writeData;
    std::string inputSwitchAddress;
    std::string ioSwitchAddress;
    bool memoryRepeat = false;
    bool parametersRepeat = false;
    // The dialogs opened, "About" or "Dump", in order; runs while one is open, as the
    // toolkit's nested loop would deliver ticks.
    std::vector<std::string> modalDialogs;
    std::function<void(const std::string&)> onModal;
    DumpSettings* dumpSettings = nullptr;
    // The port of each connection check opened, and whether a Read run was active.
    std::vector<std::string> connectionChecks;
    int closeRequests = 0;

private:
    void Modal(const std::string& dialog, std::function<void()> afterClose) {
        modalDialogs.push_back(dialog);
        if (onModal) {
            onModal(dialog);
        }
        if (afterClose) {
            afterClose();
        }
    }
};

} // namespace korvane::fakes

#pragma once

#include "app/main_view.h"

#include <string>
#include <utility>
#include <vector>

namespace korvane::soak {

// A main window without a screen for the soak run: it keeps the few texts the run looks
// at, answers the open-file dialog with one fixed path and acknowledges every message box.
class MemoryWindow final : public MainView {
public:
    explicit MemoryWindow(std::string fileAnswer) : fileAnswer_(std::move(fileAnswer)) {}

    void SetRunButtons(const RunButtons& /*buttons*/) override {}
    void ShowRomIdText(const std::string& text) override { romIdText = text; }
    bool RepeatChecked(RepeatBox /*box*/) const override { return repeat; }
    MessageBoxResult ShowMessageBox(const std::string& /*text*/, const std::string& /*caption*/,
                                    MessageBoxStyle /*style*/) override {
        return MessageBoxResult::Ok;
    }
    bool AskOpenFileName(std::string& path, const FileFilter& /*filter*/,
                         const std::string& /*initialFolder*/, const std::string& /*title*/,
                         FileDialogKind /*kind*/) override {
        path = fileAnswer_;
        return true;
    }
    void StartPollTimer(int /*periodMs*/) override {}
    void AddMessage(const std::string& /*line*/) override {}
    void ShowMemoryLines(const std::vector<std::string>& /*lines*/) override {}
    void ShowPorts(const std::vector<std::string>& /*names*/,
                   const std::string& /*chosen*/) override {}
    void ShowPortStatus(const std::string& /*text*/, const std::string& /*details*/) override {}
    void ShowRomIds(const std::vector<std::string>& /*entries*/,
                    const std::string& /*preselect*/) override {}
    void ShowRomIdView(const RomIdView& /*view*/) override {}
    void ShowUnit(UnitType /*unit*/) override {}
    void ShowReadMemoryMode(ReadMemoryMode /*mode*/) override {}
    void ShowParameterPass(const ParameterPassResult& /*pass*/) override {}
    void ShowWriteResult(const std::string& /*text*/) override {}
    void ShowLogStatus(const std::string& /*text*/) override {}
    std::string MemoryAddressText() const override { return "1000"; }
    std::string MemoryCountText() const override { return "16"; }
    std::string WriteAddressText() const override { return "1000"; }
    std::string WriteDataText() const override { return {}; }
    std::string InputSwitchAddressText() const override { return "0000"; }
    std::string IoSwitchAddressText() const override { return "0001"; }
    std::string PortNameText() const override { return "COM1"; }
    void OpenAboutBox() override {}
    void OpenConnectionCheckDialog(const std::string& /*portName*/,
                                   bool /*readRunActive*/) override {}
    void OpenDumpDialog(DumpSettings& /*settings*/, std::function<void()> afterClose) override {
        if (afterClose) {
            afterClose();
        }
    }
    void Close() override {}

    std::string romIdText;
    bool repeat = false;

private:
    std::string fileAnswer_;
};

} // namespace korvane::soak

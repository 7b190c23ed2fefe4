#pragma once

// A dump dialog that keeps in memory what its presenter showed and answers what it asks
// with what the test typed.

#include "app/dump_view.h"
#include "app/recorded_dialogs.h"

#include <string>
#include <utility>
#include <vector>

namespace korvane::fakes {

class RecordingDumpView final : public DumpView, public DialogRecords {
public:
    MessageBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                    MessageBoxStyle style) override {
        return RecordMessageBox(text, caption, style);
    }
    bool AskOpenFileName(std::string& path, const FileFilter& filter,
                         const std::string& initialFolder, const std::string& title,
                         FileDialogKind kind) override {
        return RecordFileDialog(path, filter, initialFolder, title, kind);
    }
    void StartTimer(int periodMs) override { timerPeriods.push_back(periodMs); }
    void ShowStatus(const std::string& text) override { status = text; }
    void ShowSummary(const std::string& text) override { summary = text; }
    void ShowTimes(const std::string& text) override { times = text; }
    void ShowCurrentAddress(const std::string& text) override { currentAddress = text; }
    void ShowResult(const std::string& text) override { result = text; }
    void ShowProgress(long long done, long long total) override { progress = {done, total}; }
    void ShowInputs(const std::string& shownStart, const std::string& shownCount,
                    const std::string& shownPrefill) override {
        start = shownStart;
        count = shownCount;
        prefill = shownPrefill;
    }
    void ShowFileName(const std::string& path) override { fileName = path; }
    std::string StartAddressText() const override { return start; }
    std::string BytesToReadText() const override { return count; }
    std::string PrefillText() const override { return prefill; }
    std::string FileNameText() const override { return fileName; }
    void SetInputsEnabled(bool enabled) override { inputsEnabled = enabled; }
    void ShowUnit(UnitType shown) override { unit = shown; }
    void Beep() override { ++beeps; }
    void Close() override { ++closeRequests; }

    std::vector<int> timerPeriods;
    std::string status;
    std::string summary;
    std::string times;
    std::string currentAddress;
    std::string result;
    std::pair<long long, long long> progress;
    // The boxes, as typed.
    std::string start;
    std::string count;
    std::string prefill;
    std::string fileName;
    bool inputsEnabled = true;
    UnitType unit = UnitType::Cruise; // nothing shown yet
    int beeps = 0;
    int closeRequests = 0;
};

} // namespace korvane::fakes

#pragma once

// A window that keeps the state of its controls in memory and records what the logic did
// to it, for tests of any window logic. Controls spring into existence when first used:
// texts are empty, controls enabled, boxes unchecked, lists and combo boxes empty.

#include "app/window.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace korvane::fakes {

struct RecordedMessageBox {
    std::string text;
    std::string caption;
    MessageBoxStyle style = MessageBoxStyle::Ok;
};

struct RecordedFileDialog {
    std::string suggestion;
    FileFilter filter;
    std::string initialFolder;
    std::string title;
    FileDialogKind kind = FileDialogKind::ExistingFile;
};

class FakeWindow : public Window {
public:
    // Combo boxes listed here keep their entries in alphabetical order, as a sorted combo
    // box of the toolkit does.
    explicit FakeWindow(std::set<int> sortedCombos = {}) : sortedCombos_(std::move(sortedCombos)) {}

    // --- Window ---
    void SetText(int id, const std::string& text) override { texts[id] = text; }
    std::string GetText(int id) const override {
        const auto it = texts.find(id);
        return it == texts.end() ? std::string() : it->second;
    }
    void Enable(int id, bool enabled) override {
        if (enabled) {
            disabled.erase(id);
        } else {
            disabled.insert(id);
        }
    }
    void SetToolTip(int id, const std::string& text) override { toolTips[id] = text; }

    bool IsChecked(int id) const override { return checked.count(id) != 0; }
    void SetChecked(int id, bool check) override {
        if (check) {
            checked.insert(id);
        } else {
            checked.erase(id);
        }
    }
    void CheckRadioButton(int first, int last, int id) override {
        for (int other = first; other <= last; ++other) {
            checked.erase(other);
        }
        checked.insert(id);
    }

    void ListReset(int id) override { lists[id].clear(); }
    void ListAdd(int id, const std::string& line) override { lists[id].push_back(line); }
    void ListSetLines(int id, const std::vector<std::string>& lines) override { lists[id] = lines; }
    void SetTabStops(int id, const std::vector<int>& stops) override { tabStops[id] = stops; }

    void ComboReset(int id) override {
        combos[id].clear();
        comboSelection[id] = -1;
        texts[id].clear();
    }
    int ComboAdd(int id, const std::string& text) override {
        auto& items = combos[id];
        int index = static_cast<int>(items.size());
        if (sortedCombos_.count(id) != 0) {
            index = static_cast<int>(std::upper_bound(items.begin(), items.end(), text) -
                                     items.begin());
            int& selection = comboSelection[id];
            if (selection >= index) {
                ++selection;
            }
        } else if (comboSelection.count(id) == 0) {
            comboSelection[id] = -1;
        }
        items.insert(items.begin() + index, text);
        return index;
    }
    int ComboCount(int id) const override {
        const auto it = combos.find(id);
        return it == combos.end() ? 0 : static_cast<int>(it->second.size());
    }
    std::string ComboItemText(int id, int index) const override {
        const auto it = combos.find(id);
        if (it == combos.end() || index < 0 || index >= static_cast<int>(it->second.size())) {
            return {};
        }
        return it->second[static_cast<std::size_t>(index)];
    }
    int ComboSelection(int id) const override {
        const auto it = comboSelection.find(id);
        return it == comboSelection.end() ? -1 : it->second;
    }
    void ComboSetSelection(int id, int index) override {
        if (index < 0 || index >= ComboCount(id)) {
            comboSelection[id] = -1;
            return;
        }
        comboSelection[id] = index;
        texts[id] = ComboItemText(id, index);
    }

    void SetUpDown(const UpDownSetup& setup) override {
        upDowns[setup.upDownId] = setup;
        char text[16];
        std::snprintf(text, sizeof text, setup.base == 16 ? "%X" : "%d", setup.position);
        texts[setup.editId] = text;
    }

    void SetProgress(int id, long long done, long long total) override {
        progress[id] = {done, total};
    }

    MessageBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                    MessageBoxStyle style) override {
        messageBoxes.push_back({text, caption, style});
        if (onModal) {
            onModal(-1);
        }
        if (messageBoxAnswers.empty()) {
            return MessageBoxResult::Ok;
        }
        const auto answer = messageBoxAnswers.front();
        messageBoxAnswers.pop_front();
        return answer;
    }
    bool AskOpenFileName(std::string& path, const FileFilter& filter,
                         const std::string& initialFolder, const std::string& title,
                         FileDialogKind kind) override {
        fileDialogs.push_back({path, filter, initialFolder, title, kind});
        if (onModal) {
            onModal(-2);
        }
        if (fileAnswers.empty() || !fileAnswers.front()) {
            if (!fileAnswers.empty()) {
                fileAnswers.pop_front();
            }
            return false;
        }
        path = *fileAnswers.front();
        fileAnswers.pop_front();
        return true;
    }
    void Beep() override { ++beeps; }

    void StartTimer(int periodMs) override { timerPeriods.push_back(periodMs); }
    // The dialog is over when onModal returns.
    void OpenModalDialog(int templateId, std::function<void()> afterClose) override {
        modalDialogs.push_back(templateId);
        if (onModal) {
            onModal(templateId);
        }
        if (afterClose) {
            afterClose();
        }
    }
    void Close() override { ++closeRequests; }

    // --- for the tests ---
    bool IsEnabled(int id) const { return disabled.count(id) == 0; }
    const std::vector<std::string>& List(int id) { return lists[id]; }
    std::vector<std::string> ComboItems(int id) { return combos[id]; }
    std::string SelectedComboText(int id) const { return ComboItemText(id, ComboSelection(id)); }

    std::map<int, std::string> texts;
    std::set<int> disabled;
    std::map<int, std::string> toolTips;
    std::set<int> checked;
    std::map<int, std::vector<std::string>> lists;
    std::map<int, std::vector<int>> tabStops;
    std::map<int, std::vector<std::string>> combos;
    std::map<int, int> comboSelection;
    std::map<int, UpDownSetup> upDowns;
    std::map<int, std::pair<long long, long long>> progress;
    std::vector<RecordedMessageBox> messageBoxes;
    std::deque<MessageBoxResult> messageBoxAnswers;
    std::vector<RecordedFileDialog> fileDialogs;
    // One answer per open-file dialog, in order: a path, or nullopt to cancel. With no
    // answer left the dialog is cancelled.
    std::deque<std::optional<std::string>> fileAnswers;
    int beeps = 0;
    std::vector<int> timerPeriods;
    std::vector<int> modalDialogs;
    int closeRequests = 0;
    // Runs while a modal dialog, message box (-1) or open-file dialog (-2) is open, with its
    // template: a test delivers ticks or commands here as a nested loop would.
    std::function<void(int)> onModal;

private:
    std::set<int> sortedCombos_;
};

} // namespace korvane::fakes

// The name the fake window had first; tests written against it keep working.
namespace korvane::testing {
using fakes::FakeWindow;
using fakes::RecordedFileDialog;
using fakes::RecordedMessageBox;
} // namespace korvane::testing

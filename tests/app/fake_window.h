#pragma once

// A window that keeps the state of its controls in memory and records what a window logic
// did to it. Controls spring into existence when first used: texts are empty, controls
// enabled, boxes unchecked, lists and combo boxes empty.

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
    // The combo boxes listed here keep their entries in alphabetical order, as a sorted
    // combo box of the toolkit does.
    explicit FakeWindow(std::set<int> sortedCombos = {}) : sortedCombos_(std::move(sortedCombos)) {}

    void SetText(int id, const std::string& text) override { texts[id] = text; }
    std::string GetText(int id) const override { return Find(texts, id, std::string()); }
    void Enable(int id, bool enabled) override { Mark(disabled, id, !enabled); }
    void SetToolTip(int id, const std::string& text) override { toolTips[id] = text; }
    bool IsChecked(int id) const override { return checked.count(id) != 0; }
    void SetChecked(int id, bool check) override { Mark(checked, id, check); }
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
        comboSelection.erase(id);
        texts[id].clear();
    }
    int ComboAdd(int id, const std::string& text) override {
        auto& items = combos[id];
        auto at = items.end();
        if (sortedCombos_.count(id) != 0) {
            at = std::upper_bound(items.begin(), items.end(), text);
            // The selected entry keeps its selection when an entry lands before it.
            if (ComboSelection(id) >= at - items.begin()) {
                ++comboSelection[id];
            }
        }
        return static_cast<int>(items.insert(at, text) - items.begin());
    }
    int ComboCount(int id) const override { return static_cast<int>(Items(id).size()); }
    std::string ComboItemText(int id, int index) const override {
        return index >= 0 && index < ComboCount(id) ? Items(id)[index] : std::string();
    }
    int ComboSelection(int id) const override { return Find(comboSelection, id, -1); }
    void ComboSetSelection(int id, int index) override {
        const bool valid = index >= 0 && index < ComboCount(id);
        comboSelection[id] = valid ? index : -1;
        if (valid) {
            texts[id] = ComboItemText(id, index);
        }
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
        return Next(messageBoxAnswers, MessageBoxResult::Ok);
    }
    bool AskOpenFileName(std::string& path, const FileFilter& filter,
                         const std::string& initialFolder, const std::string& title,
                         FileDialogKind kind) override {
        fileDialogs.push_back({path, filter, initialFolder, title, kind});
        const auto answer = Next(fileAnswers, std::optional<std::string>());
        path = answer.value_or(path);
        return answer.has_value();
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

    bool IsEnabled(int id) const { return disabled.count(id) == 0; }
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
    // One answer per message box, in order; with none left the answer is Ok.
    std::deque<MessageBoxResult> messageBoxAnswers;
    std::vector<RecordedFileDialog> fileDialogs;
    // One answer per open-file dialog, in order: a path, or nullopt to cancel. With no
    // answer left the dialog is cancelled.
    std::deque<std::optional<std::string>> fileAnswers;
    int beeps = 0;
    std::vector<int> timerPeriods;
    std::vector<int> modalDialogs;
    int closeRequests = 0;
    // Runs while a modal dialog is open, with its template: a test delivers ticks or
    // commands here as the toolkit's nested loop would.
    std::function<void(int)> onModal;

private:
    template <class Map, class Value> static Value Find(const Map& map, int id, Value fallback) {
        const auto it = map.find(id);
        return it == map.end() ? fallback : it->second;
    }
    static void Mark(std::set<int>& ids, int id, bool in) {
        if (in) {
            ids.insert(id);
        } else {
            ids.erase(id);
        }
    }
    template <class T> static T Next(std::deque<T>& answers, T fallback) {
        if (answers.empty()) {
            return fallback;
        }
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<std::string> Items(int id) const {
        return Find(combos, id, std::vector<std::string>());
    }

    std::set<int> sortedCombos_;
};

} // namespace korvane::fakes

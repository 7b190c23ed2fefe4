#pragma once

// A dialog that keeps the state of its controls in memory and records what its logic did
// to it. Controls spring into existence when first used: texts are empty, controls
// enabled, boxes unchecked.

#include "app/recorded_dialogs.h"
#include "app/window.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace korvane::fakes {

class FakeWindow : public Window, public DialogRecords {
public:
    void SetText(int id, const std::string& text) override { texts[id] = text; }
    std::string GetText(int id) const override { return Find(texts, id, std::string()); }
    void Enable(int id, bool enabled) override {
        if (enabled) {
            disabled.erase(id);
        } else {
            disabled.insert(id);
        }
    }
    void CheckRadioButton(int first, int last, int id) override {
        for (int other = first; other <= last; ++other) {
            checked.erase(other);
        }
        checked.insert(id);
    }
    void SetProgress(int id, long long done, long long total) override {
        progress[id] = {done, total};
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
    void Beep() override { ++beeps; }
    void StartTimer(int periodMs) override { timerPeriods.push_back(periodMs); }
    void Close() override { ++closeRequests; }

    bool IsEnabled(int id) const { return disabled.count(id) == 0; }

    std::map<int, std::string> texts;
    std::set<int> disabled;
    std::set<int> checked;
    std::map<int, std::pair<long long, long long>> progress;
    int beeps = 0;
    std::vector<int> timerPeriods;
    int closeRequests = 0;

private:
    template <class Map, class Value> static Value Find(const Map& map, int id, Value fallback) {
        const auto it = map.find(id);
        return it == map.end() ? fallback : it->second;
    }
};

} // namespace korvane::fakes

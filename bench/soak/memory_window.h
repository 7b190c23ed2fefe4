#pragma once

#include "app/window.h"

#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace korvane::soak {

// A window without a screen for the soak run: it keeps the texts, checks, lists and combo
// boxes the logic sets, answers the open-file dialog with one fixed path and acknowledges
// every message box.
class MemoryWindow final : public Window {
public:
    explicit MemoryWindow(std::string fileAnswer) : fileAnswer_(std::move(fileAnswer)) {}

    void SetText(int id, const std::string& text) override { texts_[id] = text; }
    std::string GetText(int id) const override {
        const auto it = texts_.find(id);
        return it == texts_.end() ? std::string() : it->second;
    }
    void Enable(int /*id*/, bool /*enabled*/) override {}
    void SetToolTip(int /*id*/, const std::string& /*text*/) override {}

    bool IsChecked(int id) const override { return checked_.count(id) != 0; }
    void SetChecked(int id, bool checked) override {
        if (checked) {
            checked_.insert(id);
        } else {
            checked_.erase(id);
        }
    }
    void CheckRadioButton(int first, int last, int id) override {
        for (int other = first; other <= last; ++other) {
            checked_.erase(other);
        }
        checked_.insert(id);
    }

    void ListReset(int id) override { lists_[id].clear(); }
    void ListAdd(int id, const std::string& line) override { lists_[id].push_back(line); }
    void ListSetLines(int id, const std::vector<std::string>& lines) override {
        lists_[id] = lines;
    }
    void SetTabStops(int /*id*/, const std::vector<int>& /*stops*/) override {}

    // Entries stay in the order added; the soak only needs them to be there.
    void ComboReset(int id) override {
        combos_[id].clear();
        selections_.erase(id);
    }
    int ComboAdd(int id, const std::string& text) override {
        combos_[id].push_back(text);
        return static_cast<int>(combos_[id].size()) - 1;
    }
    int ComboCount(int id) const override {
        const auto it = combos_.find(id);
        return it == combos_.end() ? 0 : static_cast<int>(it->second.size());
    }
    std::string ComboItemText(int id, int index) const override {
        return index >= 0 && index < ComboCount(id)
                   ? combos_.at(id)[static_cast<std::size_t>(index)]
                   : std::string();
    }
    int ComboSelection(int id) const override {
        const auto it = selections_.find(id);
        return it == selections_.end() ? -1 : it->second;
    }
    void ComboSetSelection(int id, int index) override {
        selections_[id] = index;
        texts_[id] = ComboItemText(id, index);
    }

    void SetUpDown(const UpDownSetup& setup) override {
        char text[16];
        (void)std::snprintf(text, sizeof text, setup.base == 16 ? "%X" : "%d", setup.position);
        texts_[setup.editId] = text;
    }
    void SetProgress(int /*id*/, long long /*done*/, long long /*total*/) override {}

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
    void Beep() override {}
    void StartTimer(int /*periodMs*/) override {}
    void OpenModalDialog(int /*templateId*/, std::function<void()> afterClose) override {
        if (afterClose) {
            afterClose();
        }
    }
    void Close() override {}

private:
    std::string fileAnswer_;
    std::map<int, std::string> texts_;
    std::set<int> checked_;
    std::map<int, std::vector<std::string>> lists_;
    std::map<int, std::vector<std::string>> combos_;
    std::map<int, int> selections_;
};

} // namespace korvane::soak

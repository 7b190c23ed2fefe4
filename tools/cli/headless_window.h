#pragma once

#include "app/window.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace korvane::cli {

// A window without a screen: it keeps what the logic puts into its controls so that the
// command line can print exactly what a real window would show. Controls spring into
// existence when first used (empty texts and lists, enabled, unchecked). Questions are
// answered from what the command line was told beforehand, never by waiting for a user.
class HeadlessWindow final : public Window {
public:
    // Combo boxes listed here keep their entries sorted by text, as a sorted combo box does.
    explicit HeadlessWindow(std::set<int> sortedCombos = {});

    void SetText(int id, const std::string& text) override;
    std::string GetText(int id) const override;
    void Enable(int id, bool enabled) override;
    void SetToolTip(int id, const std::string& text) override;

    bool IsChecked(int id) const override;
    void SetChecked(int id, bool checked) override;
    void CheckRadioButton(int first, int last, int id) override;

    void ListReset(int id) override;
    void ListAdd(int id, const std::string& line) override;
    void SetTabStops(int id, const std::vector<int>& stops) override;

    void ComboReset(int id) override;
    int ComboAdd(int id, const std::string& text) override;
    int ComboCount(int id) const override;
    std::string ComboItemText(int id, int index) const override;
    int ComboSelection(int id) const override;
    void ComboSetSelection(int id, int index) override;

    void SetUpDown(int upDownId, int editId, int base, int lower, int upper, int position) override;
    void SetProgress(int id, long long done, long long total) override;

    MessageBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                    MessageBoxStyle style) override;
    bool AskOpenFileName(std::string& path, const FileFilter& filter,
                         const std::string& initialFolder, const std::string& title) override;
    void Beep() override {}
    void StartTimer(int periodMs) override { timerPeriodMs_ = periodMs; }
    void OpenModalDialog(int templateId) override;
    void Close() override { closed_ = true; }

    // --- what the command line reads back ---
    const std::vector<std::string>& List(int id) const;
    bool IsEnabled(int id) const { return disabled_.count(id) == 0; }
    int TimerPeriodMs() const { return timerPeriodMs_; }
    bool Closed() const { return closed_; }
    std::pair<long long, long long> Progress(int id) const;

    struct ShownMessage {
        std::string text;
        std::string caption;
    };
    // Every message box shown, in order.
    const std::vector<ShownMessage>& Messages() const { return messages_; }

    // --- how the questions are answered ---
    // The answer to yes/no questions; OK boxes are always just acknowledged.
    void AnswerYesNo(MessageBoxResult answer) { yesNoAnswer_ = answer; }
    // The next open-file dialog returns this path; with none set it is cancelled. One
    // answer serves one dialog.
    void AnswerNextFileDialog(std::string path);
    // Called when the logic opens a modal dialog; without a handler the dialog is skipped.
    void OnModalDialog(std::function<void(int templateId)> handler);

private:
    struct Combo {
        std::vector<std::string> items;
        int selection = -1;
    };

    std::set<int> sortedCombos_;
    std::map<int, std::string> texts_;
    std::set<int> disabled_;
    std::set<int> checked_;
    std::map<int, std::vector<std::string>> lists_;
    std::map<int, Combo> combos_;
    std::map<int, std::pair<long long, long long>> progress_;
    std::vector<ShownMessage> messages_;
    MessageBoxResult yesNoAnswer_ = MessageBoxResult::No;
    std::vector<std::string> fileAnswers_;
    std::function<void(int)> modalHandler_;
    int timerPeriodMs_ = 0;
    bool closed_ = false;
};

} // namespace korvane::cli

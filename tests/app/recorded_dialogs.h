#pragma once

#include "app/user_dialogs.h"

#include <deque>
#include <optional>
#include <string>
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

// Message boxes and file dialogs answered from lists the test fills, and recorded; the
// fakes of windows answer their dialogs through it.
class DialogRecords {
public:
    MessageBoxResult RecordMessageBox(const std::string& text, const std::string& caption,
                                      MessageBoxStyle style) {
        messageBoxes.push_back({text, caption, style});
        return Next(messageBoxAnswers, MessageBoxResult::Ok);
    }
    bool RecordFileDialog(std::string& path, const FileFilter& filter,
                          const std::string& initialFolder, const std::string& title,
                          FileDialogKind kind) {
        fileDialogs.push_back({path, filter, initialFolder, title, kind});
        const auto answer = Next(fileAnswers, std::optional<std::string>());
        path = answer.value_or(path);
        return answer.has_value();
    }

    std::vector<RecordedMessageBox> messageBoxes;
    // One answer per message box, in order; with none left the answer is Ok.
    std::deque<MessageBoxResult> messageBoxAnswers;
    std::vector<RecordedFileDialog> fileDialogs;
    // One answer per open-file dialog, in order: a path, or nullopt to cancel. With no
    // answer left the dialog is cancelled.
    std::deque<std::optional<std::string>> fileAnswers;

private:
    template <class T> static T Next(std::deque<T>& answers, T fallback) {
        if (answers.empty()) {
            return fallback;
        }
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Only the boxes and file dialogs, for what asks the user nothing else.
class RecordingDialogs final : public UserDialogs, public DialogRecords {
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
};

} // namespace korvane::fakes

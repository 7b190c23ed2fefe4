#pragma once

#include <string>
#include <utility>
#include <vector>

namespace korvane {

enum class MessageBoxStyle { Ok, YesNoExclamation };
enum class MessageBoxResult { Ok, Yes, No };

// Pairs of description and pattern, e.g. {"All files", "*.*"}.
using FileFilter = std::vector<std::pair<std::string, std::string>>;

// What a file dialog asks for: a file that exists, to be read, or the name of a file to
// write into, which may exist or not (asking about an existing one is the caller's part).
enum class FileDialogKind { ExistingFile, NewOrExistingFile };

// The questions a window asks its user in boxes of their own, owned by that window.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A Yes/No box returns the answer; an Ok box may still be open when the call returns,
    // since nothing waits for it.
    virtual MessageBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                            MessageBoxStyle style) = 0;
    // The file dialog of the kind asked for. `path` holds the suggestion on entry and the
    // chosen full path when the result is true.
    virtual bool AskOpenFileName(std::string& path, const FileFilter& filter,
                                 const std::string& initialFolder, const std::string& title,
                                 FileDialogKind kind) = 0;
};

} // namespace korvane

#include "app/dialog_utils.h"

#include "reading/rom_id_view.h"
#include "text/file_name.h"

#include <filesystem>

namespace korvane {

namespace {
// The open-file dialog's file buffer holds 520 characters with the terminator.
constexpr std::size_t kMaxSuggestion = 519;
} // namespace

int EntryToSelect(const std::vector<std::string>& entries, const std::string& preselect,
                  int previous) {
    const int count = static_cast<int>(entries.size());
    int selection = previous;
    for (int i = 0; i < count; ++i) {
        if (entries[static_cast<std::size_t>(i)] == preselect) {
            selection = i;
        }
    }
    if (selection < 0 || selection >= count) {
        selection = count > 0 ? 0 : -1;
    }
    return selection;
}

int FindRomIdEntry(const std::vector<std::string>& entries, const std::string& romId) {
    const int count = static_cast<int>(entries.size());
    for (int step = 1; step <= count; ++step) {
        const int index = step % count;
        if (EntryNamesRomId(entries[static_cast<std::size_t>(index)], romId)) {
            return index;
        }
    }
    return -1;
}

std::string ItemText(std::string text) {
    if (text.size() > kMaxItemText) {
        text.resize(kMaxItemText);
    }
    return text;
}

bool AskOpenFileName(UserDialogs& dialogs, std::string& fileName, const FileFilter& filter,
                     const std::string& initialFolder, const std::string& title,
                     FileDialogKind kind) {
    // FileNamePart's result says whether the part is long enough (2 characters) to be
    // worth suggesting.
    std::string path;
    if (!FileNamePart(path, fileName)) {
        path.clear();
    }
    if (path.size() > kMaxSuggestion) {
        path.resize(kMaxSuggestion);
    }
    if (!dialogs.AskOpenFileName(path, filter, initialFolder, title, kind)) {
        return false;
    }
    fileName = path;
    return true;
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

} // namespace korvane

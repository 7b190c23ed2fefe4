#include "app/dialog_utils.h"

#include "text/file_name.h"

namespace korvane {

namespace {

// The open-file dialog's file buffer holds 520 characters with the terminator.
constexpr std::size_t kMaxSuggestion = 519;

std::string Cut(std::string text) {
    if (text.size() > kMaxItemText) {
        text.resize(kMaxItemText);
    }
    return text;
}

int FindEntry(const Window& window, int comboId, const std::string& text) {
    const int count = window.ComboCount(comboId);
    for (int i = 0; i < count; ++i) {
        if (window.ComboItemText(comboId, i) == text) {
            return i;
        }
    }
    return -1;
}

} // namespace

bool IsChecked(const Window& window, int id) {
    return window.IsChecked(id);
}

void AttachUpDown(Window& window, const UpDownSetup& setup) {
    window.SetUpDown(setup);
}

void FillComboBox(Window& window, int comboId, const std::vector<std::string>& texts, bool reset,
                  const std::string& preselect) {
    int selection = window.ComboSelection(comboId);
    if (reset) {
        window.ComboReset(comboId);
    }
    bool matched = false;
    for (const auto& text : texts) {
        window.ComboAdd(comboId, text);
        matched = matched || text == preselect;
    }
    // A sorted combo box moves entries as later ones arrive, so the matching entry is found
    // by its text once all are in.
    if (matched) {
        selection = FindEntry(window, comboId, preselect);
    }
    const int count = window.ComboCount(comboId);
    if (selection < 0 || selection >= count) {
        selection = count > 0 ? 0 : -1;
    }
    if (selection >= 0) {
        window.ComboSetSelection(comboId, selection);
    }
}

ComboCommand GetComboText(std::string& text, const Window& window, int comboId, int notification) {
    ComboCommand command = ComboCommand::Ignore;
    bool fromSelection = false;
    switch (static_cast<ComboNotification>(notification)) {
    case ComboNotification::EditChange:
        command = ComboCommand::Act;
        break;
    case ComboNotification::SelEndOk:
        command = ComboCommand::Act;
        fromSelection = true;
        break;
    case ComboNotification::SelChange:
    case ComboNotification::SetFocus:
    case ComboNotification::KillFocus:
    case ComboNotification::DropDown:
    case ComboNotification::CloseUp:
        fromSelection = true;
        break;
    default:
        break;
    }
    if (!fromSelection) {
        text = Cut(window.GetText(comboId));
        return command;
    }
    const int selection = window.ComboSelection(comboId);
    if (selection >= 0) {
        std::string entry = window.ComboItemText(comboId, selection);
        if (entry.size() <= kMaxItemText) {
            text = std::move(entry);
        }
    }
    return command;
}

void GetItemText(const Window& window, int id, std::string& text) {
    text = Cut(window.GetText(id));
}

bool AskOpenFileName(Window& window, std::string& fileName, const FileFilter& filter,
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
    if (!window.AskOpenFileName(path, filter, initialFolder, title, kind)) {
        return false;
    }
    fileName = path;
    return true;
}

} // namespace korvane

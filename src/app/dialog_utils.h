#pragma once

#include "app/window.h"

#include <string>
#include <vector>

namespace korvane {

// Texts read from controls are cut to this many characters, as the window's fixed text
// buffers of 1024 bytes do.
inline constexpr std::size_t kMaxItemText = 1023;

// True when the check box or radio button is checked.
bool IsChecked(const Window& window, int id);

// Ties the up-down to its edit with its range, position and base; the position appears in
// the edit.
void AttachUpDown(Window& window, const UpDownSetup& setup);

// Fills the combo box with the texts in order (emptying it first when `reset` is set) and
// selects the entry equal to `preselect` (exact comparison; the last equal one wins), or
// else the entry selected before, or else the first entry. Sorted combo boxes are handled:
// the entry holding the matching text is selected, wherever it landed.
void FillComboBox(Window& window, int comboId, const std::vector<std::string>& texts, bool reset,
                  const std::string& preselect);

// What a combo box command asks of the logic: to act on a confirmed choice from the list
// or on a change of the typed text, or nothing (the other notifications only report).
enum class ComboCommand { Act, Ignore };

// The text a combo box command refers to and whether to act on it. Commands that refer to
// the selected entry leave `text` as the caller preset it when no entry is selected or
// the entry is too long.
ComboCommand GetComboText(std::string& text, const Window& window, int comboId, int notification);

// The control's text, at most kMaxItemText characters.
void GetItemText(const Window& window, int id, std::string& text);

// Shows the file dialog suggesting the file name part of `fileName` (nothing when that part
// is shorter than 2 characters). True and the chosen full path in `fileName`; false,
// leaving `fileName` unchanged, when cancelled.
bool AskOpenFileName(Window& window, std::string& fileName, const FileFilter& filter,
                     const std::string& initialFolder, const std::string& title,
                     FileDialogKind kind);

} // namespace korvane

#pragma once

#include "app/user_dialogs.h"

#include <string>
#include <vector>

namespace korvane {

// Texts read from the windows' boxes are cut to this many characters, as the fixed text
// buffers of 1024 bytes of the original windows did.
inline constexpr std::size_t kMaxItemText = 1023;

// The entry a list filled with `entries` selects: the one equal to `preselect` (exact
// comparison; the last equal one wins), or else the entry `previous` selected before, or
// else the first entry; -1 when there is none.
int EntryToSelect(const std::vector<std::string>& entries, const std::string& preselect,
                  int previous);

// The entry of the ROM-ID list naming this ROM ID, searching from the second entry on and
// wrapping round to the first; -1 when none does.
int FindRomIdEntry(const std::vector<std::string>& entries, const std::string& romId);

// A text as the window's fixed buffers keep it: at most kMaxItemText characters.
std::string ItemText(std::string text);

// Shows the file dialog suggesting the file name part of `fileName` (nothing when that part
// is shorter than 2 characters). True and the chosen full path in `fileName`; false,
// leaving `fileName` unchanged, when cancelled.
bool AskOpenFileName(UserDialogs& dialogs, std::string& fileName, const FileFilter& filter,
                     const std::string& initialFolder, const std::string& title,
                     FileDialogKind kind);

// Whether something stands at `path` (false when that cannot be told): asked before a
// "replace?" question, which the file dialogs leave to their callers.
bool FileExists(const std::string& path);

} // namespace korvane

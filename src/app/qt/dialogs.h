#pragma once

#include "app/user_dialogs.h"

#include <QString>
#include <QStringList>
#include <string>

class QWidget;

namespace korvane {

// The file dialog's name filters from description and pattern pairs:
// {"Log files (txt,log,csv)", "*.txt;*.log;*.csv"} gives
// "Log files (txt,log,csv) (*.txt *.log *.csv)". The pattern "*.*" means every file and
// becomes "*", which also matches names without a dot.
QStringList FileDialogFilters(const FileFilter& filter);

// The message box of the window system, owned by `owner` (none for start-up warnings).
// Ok shows no icon; YesNoExclamation shows the warning icon with Yes as default. An Ok box
// with an owner opens window-modal and returns at once, since nothing waits for it; the
// others wait for the answer.
MessageBoxResult ShowQtMessageBox(QWidget* owner, const std::string& text,
                                  const std::string& caption, MessageBoxStyle style);

// The file dialog of the kind asked for: starts in `initialFolder` suggesting the file name
// part of `path`, and on success puts the chosen full path into `path`. A dialog for a new
// or existing file does not ask about overwriting: the caller knows what it will do.
bool AskQtFileName(QWidget* owner, std::string& path, const FileFilter& filter,
                   const std::string& initialFolder, const std::string& title, FileDialogKind kind);

} // namespace korvane

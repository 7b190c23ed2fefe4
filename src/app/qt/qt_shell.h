#pragma once

#include "app/user_dialogs.h"
#include "app/window_logic.h"

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace korvane {

class QtWindow;

// Builds the program's dialogs from their templates (ROM dump dialog 1020, About box 103)
// and keeps each open modal dialog until it has closed. A QApplication must exist.
class QtShell {
public:
    QtShell();
    ~QtShell();
    QtShell(const QtShell&) = delete;
    QtShell& operator=(const QtShell&) = delete;

    // Builds the dialog of a template over `owner` with the logic `makeLogic` makes (none,
    // or a null one, leaves it without behaviour) and runs the logic's OnCreate; the
    // dialog is not shown yet. Null for an unknown template.
    static std::unique_ptr<QtWindow> BuildDialog(int templateId, QWidget* owner,
                                                 const WindowLogicMaker& makeLogic);

    // Builds a dialog for `owner`'s window, shows it modally and returns at once;
    // `afterClose` runs when the dialog's logic has closed it. The shell keeps the dialog
    // until then.
    void OpenModalDialog(int templateId, QWidget* owner, const WindowLogicMaker& makeLogic,
                         std::function<void()> afterClose);

    // A message box with no owner window, for start-up warnings.
    static MessageBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                           MessageBoxStyle style);

private:
    std::vector<std::unique_ptr<QtWindow>> openDialogs_;
    // Context of the deferred removal of closed dialogs: gone with the shell, so no removal
    // runs after it.
    QObject lifetime_;
};

} // namespace korvane

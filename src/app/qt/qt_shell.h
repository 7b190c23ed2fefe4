#pragma once

#include "app/window.h"
#include "app/window_logic.h"

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace korvane {

class QtWindow;

// Builds the program's windows from their templates (main window 1000, ROM dump dialog
// 1020, About box 103) and gives each the logic the factory makes for it. A QApplication
// must exist.
class QtShell {
public:
    // An empty factory, or one that returns null, leaves windows without behaviour.
    explicit QtShell(WindowLogicFactory logicFactory);
    ~QtShell();
    QtShell(const QtShell&) = delete;
    QtShell& operator=(const QtShell&) = delete;

    // Builds the window of a template with its logic and runs the logic's OnCreate; the
    // window is not shown yet. Null for an unknown template.
    std::unique_ptr<QtWindow> BuildWindow(int templateId, QWidget* owner);

    // Builds a dialog for `owner`'s window, shows it modally and returns at once;
    // `afterClose` runs when the dialog's logic has closed it. The shell keeps the dialog
    // until then.
    void OpenModalDialog(int templateId, QWidget* owner, std::function<void()> afterClose);

    // Builds the main window, centres it on the screen, shows it and runs the event loop
    // until it is closed. Returns the exit code (0 after a normal close).
    int RunMainWindow();

    // A message box with no owner window, for start-up warnings.
    static MessageBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                           MessageBoxStyle style);

private:
    WindowLogicFactory logicFactory_;
    std::vector<std::unique_ptr<QtWindow>> openDialogs_;
    // Context of the deferred removal of closed dialogs: gone with the shell, so no removal
    // runs after it.
    QObject lifetime_;
};

} // namespace korvane

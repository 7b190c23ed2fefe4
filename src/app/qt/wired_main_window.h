#pragma once

#include "app/main_window_logic.h"
#include "app/qt/main_window.h"

namespace korvane {

// The main window with its presenter, wired to each other: the user's actions and the
// poll timer reach the presenter, the presenter's ROM-ID groups and Read Parameters passes
// reach the dashboard, and the passes the live graph where the window has one. Building it
// creates the window (loading the definitions and opening the port); it is not shown yet.
class WiredMainWindow {
public:
    explicit WiredMainWindow(const AppContext& context);

    MainWindow& Window() { return window_; }
    MainWindowLogic& Logic() { return logic_; }

    // Shows the window at its natural size, centred on the screen.
    void ShowCentred();

private:
    MainWindow window_;
    MainWindowLogic logic_;
};

} // namespace korvane

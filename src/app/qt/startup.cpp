#include "app/qt/startup.h"

#include "app/qt/qt_shell.h"

namespace korvane {

int StartKorvane() {
    // The windows' behaviour comes from the application's start-up code, which makes the
    // logic factory; until it is wired in here, the windows have none.
    QtShell shell(WindowLogicFactory{});
    return shell.RunMainWindow();
}

} // namespace korvane

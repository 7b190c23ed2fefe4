#include "app/qt/startup.h"

#include "app/application.h"
#include "app/qt/dialogs.h"
#include "app/qt/thread_worker.h"
#include "app/qt/wired_main_window.h"
#include "link/serial_port.h"
#include "reading/unit_session.h"

#include <QApplication>
#include <iostream>

namespace korvane {

int StartKorvane(const std::vector<std::string>& startupMessages, bool anyRate) {
    // Start-up creates the port, the store and the log before the main window; leaving
    // this function is the shutdown, in the reverse order of their use.
    Application application(
        [](const std::string& text, const std::string& caption) {
            ShowQtMessageBox(nullptr, text, caption, MessageBoxStyle::Ok);
        },
        std::cout);
    application.Context().startupMessages = startupMessages;
    application.Session().Port().AcceptAnyRate(anyRate);
    // The line is served by its own thread, so the window never waits for it; the worker
    // ends before the port it serves is released.
    ThreadWorker worker;
    application.UseWorker(worker);
    WiredMainWindow main(application.Context());
    main.ShowCentred();
    return QApplication::exec();
}

} // namespace korvane

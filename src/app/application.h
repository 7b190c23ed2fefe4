#pragma once

#include "app/app_context.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

namespace korvane {

// A message box with no owner window and an OK button, shown before the main window exists.
using OwnerlessMessageBox =
    std::function<void(const std::string& text, const std::string& caption)>;

// The process-wide objects from start-up to shutdown. Constructing it runs start-up up to
// the creation of the main window:
// 1. programDirectory becomes the working directory;
// 2. "Started...\n" goes to the trace stream;
// 3. the serial port is created and the ports are probed once; with none found the
//    message box "Korvane startup error" titled "No serial ports found!\n" is shown, and
//    start-up goes on; no port is left open;
// 4. the definition store is created (empty), then the log (closed).
// The toolkit then creates the main window with its presenter over Context() and runs
// until it is closed. Destroying the Application is the shutdown: the store, then the port (closed
// without sending anything to the unit), then the log.
class UnitSession;
class UnitWorker;

class Application {
public:
    explicit Application(const OwnerlessMessageBox& showMessage, std::ostream& trace);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    AppContext& Context() { return context_; }
    UnitSession& Session();

    // Hands the unit work to another worker (the shell's thread) instead of running it
    // inline. The worker must be gone before the Application.
    void UseWorker(UnitWorker& worker) { context_.worker = &worker; }

private:
    struct Objects;
    std::unique_ptr<Objects> objects_;
    AppContext context_;
};

} // namespace korvane

#pragma once

#include "app/app_context.h"
#include "cli_options.h"
#include "definitions/definition_store.h"
#include "headless_window.h"
#include "link/serial_port.h"
#include "link/thread_sleeper.h"
#include "log/log_file.h"
#include "reading/memory_tools_state.h"

#include <string>

namespace korvane::cli {

// What the program's start-up creates, for one command: the port, the definitions, the
// log and the memory tools' state, reached by the passes through the context as in the
// window, and a headless main window for them to show their results in.
class CliSession {
public:
    explicit CliSession(const CliOptions& options);
    ~CliSession();
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // Loads paramdef.ini, then SelectMonitor.ini, from the --dir folder, echoing into the
    // message list 3003 as the window's creation does.
    void LoadDefinitions();
    std::string DefinitionPath(const char* fileName) const;

    // Opens --port, or else "COM" and the preferred port of SelectMonitor.ini, with the
    // units' line settings. False with the reason when it will not open.
    bool OpenPort(std::string& reason);

    // Opens the log as the window's "Open logfile" does with the file chosen. False with
    // the reason when it cannot be opened.
    bool OpenLog(const std::string& path, std::string& reason);
    // Closes the log; false with the reason when some of it did not reach the file.
    bool CloseLog(std::string& reason);

    HeadlessWindow& MainWindow() { return window_; }
    AppContext& Context() { return context_; }
    DefinitionStore& Definitions() { return definitions_; }
    SerialPort& Port() { return port_; }
    LogFile& Log() { return log_; }

private:
    const CliOptions& options_;
    // Destroyed as at the program's shutdown: the definitions, the port, then the log.
    LogFile log_;
    SerialPort port_;
    DefinitionStore definitions_;
    ThreadSleeper sleeper_;
    MemoryToolsState memoryTools_;
    AppContext context_;
    HeadlessWindow window_;
};

} // namespace korvane::cli

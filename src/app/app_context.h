#pragma once

#include <string>
#include <vector>

namespace korvane {

class UnitSession;
class UnitWorker;

// What start-up hands every window: the session and the worker that serves it, and what
// it found out about the working folder. Start-up makes the session and the worker and
// points this at them; nothing here owns them, so a test can point it at objects of its
// own (a scripted device instead of the port, an inline worker). None of it changes once
// the main window exists; what a window changes is its presenter's own.
//
// The session's port, definitions, log and reading state belong to the worker once the
// main window is created: the windows reach them only through work they post.
struct AppContext {
    UnitSession* session = nullptr;
    UnitWorker* worker = nullptr;

    // The working directory at start-up: the initial folder of every open-file dialog.
    std::string programDirectory;
    // Lines that head the message list when the main window is created: which folder
    // start-up chose to work in and what it put there. Empty for a plain start.
    std::vector<std::string> startupMessages;
};

} // namespace korvane

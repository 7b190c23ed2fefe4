#pragma once

#include "link/unit_type.h"
#include "romtools/dump_state.h"

#include <string>
#include <vector>

namespace korvane {

class UnitSession;
class UnitWorker;

// What the main window's commands set and every tick reads.
enum class RunState : int {
    Idle = 0,
    RomIdPending = 1,
    ReadMemoryRunning = 2,
    ReadParametersRunning = 3,
};

enum class ReadMemoryMode : int {
    Bytes = 0,
    Blocks = 1,
};

// The process-wide state every window logic reaches. Start-up makes the session and the
// worker and points this at them; nothing here owns them, so a test can point it at
// objects of its own (a scripted device instead of the port, an inline worker).
//
// The session's port, definitions, log and reading state belong to the worker once the
// main window is created: the window logic reaches them only through work it posts.
struct AppContext {
    UnitSession* session = nullptr;
    UnitWorker* worker = nullptr;

    // The unit the read frames address; the unit radio buttons and the dump dialog set it.
    // Work takes it when posted.
    UnitType unitType = UnitType::Ecu;

    RunState runState = RunState::Idle;
    // True during the first tick of a run.
    bool firstPass = true;
    ReadMemoryMode readMemoryMode = ReadMemoryMode::Bytes;

    // The dump's settings, kept between openings of the dump dialog.
    DumpState dump;

    // The working directory at start-up: the initial folder of every open-file dialog.
    std::string programDirectory;
    std::string logFileName = "korvane.csv";
    std::string dumpFileName = "romdump.bin";
    // Lines that head the message list when the main window is created: which folder
    // start-up chose to work in and what it put there. Empty for a plain start.
    std::vector<std::string> startupMessages;
};

} // namespace korvane

#pragma once

#include "link/unit_link.h"

#include <string>
#include <vector>

namespace korvane {

class SerialPort;
class DefinitionStore;
class LogFile;
// The state of the memory tools (Read Memory history, Blocks state, dump settings): one
// instance for the process, defined beside the Read Memory passes in src/reading.
struct MemoryToolsState;

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

// The process-wide state every window logic and reading pass reaches. Start-up creates
// the long-lived objects and points this at them; nothing here owns them, so a test can
// point it at objects of its own (a scripted channel instead of the port, a temporary log).
struct AppContext {
    // The one serial port: opened, named and probed by the window.
    SerialPort* serialPort = nullptr;
    // The definitions loaded at start-up; the selected ROM-ID group lives here.
    DefinitionStore* definitions = nullptr;
    // The one log; its writes are dropped while it is closed.
    LogFile* log = nullptr;

    // Where the transactions send and receive: the serial port itself in the program, a
    // scripted device in tests. The sleeper provides the transactions' fixed pauses.
    ByteChannel* unitChannel = nullptr;
    Sleeper* sleeper = nullptr;
    // The unit the read frames address; the unit radio buttons and the dump dialog set it.
    UnitType unitType = UnitType::Ecu;

    RunState runState = RunState::Idle;
    // True during the first tick of a run.
    bool firstPass = true;
    ReadMemoryMode readMemoryMode = ReadMemoryMode::Bytes;

    // Counts the Read Parameters passes that reached the read; never reset.
    int parameterPassCount = 0;

    // Read Memory history and the other state of the memory tools.
    MemoryToolsState* memoryTools = nullptr;

    // The working directory at start-up: the initial folder of every open-file dialog.
    std::string programDirectory;
    std::string logFileName = "korvane.csv";
    std::string dumpFileName = "romdump.bin";
    // Lines that head the message list when the main window is created: which folder
    // start-up chose to work in and what it put there. Empty for a plain start.
    std::vector<std::string> startupMessages;
};

// The line, pauses and unit the transactions of a reading pass or command use. The
// context's channel and sleeper must be set.
inline UnitLink UnitLinkOf(const AppContext& context) {
    return UnitLink{*context.unitChannel, *context.sleeper, context.unitType};
}

} // namespace korvane

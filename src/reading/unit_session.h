#pragma once

#include "definitions/definition_store.h"
#include "link/serial_port.h"
#include "link/thread_sleeper.h"
#include "link/unit_link.h"
#include "log/log_file.h"
#include "reading/read_memory_state.h"

#include <string>

namespace korvane {

// What every front end (the window, korvane-cli, the tests, the soak run) needs to talk to
// a unit, made in one place: the serial port, the definitions, the log, the state the
// reading passes keep between passes, and the line the transactions use. Destroyed as at
// the program's shutdown: the definitions, then the port (restoring its settings), then
// the log.
class UnitSession {
public:
    // The transactions go over `channel` and pause through `sleeper`; by default over the
    // serial port with real pauses. A test passes a scripted device and a fixed clock.
    explicit UnitSession(ByteChannel* channel = nullptr, Sleeper* sleeper = nullptr,
                         UtcClock logClock = SystemUtcTimeOfDay);
    UnitSession(const UnitSession&) = delete;
    UnitSession& operator=(const UnitSession&) = delete;

    SerialPort& Port() { return port_; }
    DefinitionStore& Definitions() { return definitions_; }
    LogFile& Log() { return log_; }
    ReadMemoryState& Memory() { return memory_; }
    // Counts the Read Parameters passes that reached the read; never reset.
    int& ParameterPassCount() { return parameterPassCount_; }

    // The line, pauses and unit for one transaction.
    UnitLink Link(UnitType unit) { return UnitLink{*channel_, *sleeper_, unit}; }

    // Loads paramdef.ini, then SelectMonitor.ini, from `folder` (the working directory when
    // empty, opened by their bare names), echoing what is read into `messages`.
    void LoadDefinitions(const std::string& folder, MessageList* messages);

    // Opens the named port with the units' line settings: 1953 baud, even parity, one stop bit.
    bool OpenPort(const std::string& name);

private:
    LogFile log_;
    SerialPort port_;
    DefinitionStore definitions_;
    ThreadSleeper threadSleeper_;
    ByteChannel* channel_;
    Sleeper* sleeper_;
    ReadMemoryState memory_;
    int parameterPassCount_ = 0;
};

} // namespace korvane

#include "reading/unit_session.h"

#include <filesystem>
#include <utility>

namespace korvane {

UnitSession::UnitSession(ByteChannel* channel, Sleeper* sleeper, UtcClock logClock)
    : log_(std::move(logClock)), channel_(channel != nullptr ? channel : &port_),
      sleeper_(sleeper != nullptr ? sleeper : &threadSleeper_) {}

void UnitSession::LoadDefinitions(const std::string& folder, MessageList* messages) {
    const auto path = [&folder](const char* name) {
        return folder.empty() ? std::string(name) : (std::filesystem::path(folder) / name).string();
    };
    definitions_.LoadParameterFile(path("paramdef.ini"), messages);
    definitions_.LoadMonitorFile(path("SelectMonitor.ini"), messages);
}

bool UnitSession::OpenPort(const std::string& name) {
    return port_.Open(name, kUnitBaudRate, kParityEven, kOneStopBit);
}

} // namespace korvane

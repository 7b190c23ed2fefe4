#include "cli_session.h"

#include "definitions/message_list.h"
#include "full_path.h"

#include <filesystem>

namespace korvane::cli {

std::vector<std::string> CliSession::LoadDefinitions() {
    VectorMessageList messages;
    unit_.LoadDefinitions(options_.dir, &messages);
    return std::move(messages.lines);
}

std::string CliSession::DefinitionPath(const char* fileName) const {
    if (options_.dir.empty()) {
        return fileName;
    }
    return (std::filesystem::path(options_.dir) / fileName).string();
}

bool CliSession::OpenPort(std::string& reason, std::ostream& err) {
    const std::string name = options_.port.empty()
                                 ? "COM" + std::to_string(unit_.Definitions().CommPort())
                                 : options_.port;
    unit_.Port().AcceptAnyRate(options_.anyRate);
    if (unit_.OpenPort(name)) {
        const int made = unit_.Port().MadeBaudRate();
        if (options_.anyRate && made != kUnitBaudRate) {
            err << "korvane-cli: warning: " << name << " runs at " << made << " baud, not "
                << kUnitBaudRate << " (--any-rate)\n";
        }
        return true;
    }
    reason = "cannot open port " + name + ": " + DescribeOpenError(unit_.Port().LastOpenError());
    return false;
}

bool CliSession::OpenLog(const std::string& path, std::string& reason) {
    logFileName_ = FullPath(path);
    if (unit_.Log().Open(logFileName_)) {
        return true;
    }
    reason = "cannot open log file " + logFileName_;
    return false;
}

bool CliSession::CloseLog(std::string& reason) {
    LogFile& log = unit_.Log();
    if (log.Close() && !log.Failed()) {
        return true;
    }
    reason = "some lines did not reach the log file " + logFileName_;
    return false;
}

} // namespace korvane::cli

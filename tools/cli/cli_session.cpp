#include "cli_session.h"

#include "app/list_box_messages.h"
#include "app/port_scan.h"
#include "full_path.h"
#include "resources/control_ids.h"

#include <filesystem>
#include <system_error>

namespace korvane::cli {

CliSession::CliSession(const CliOptions& options)
    : options_(options), window_({ids::main::kPortCombo}) {
    context_.serialPort = &port_;
    context_.definitions = &definitions_;
    context_.log = &log_;
    context_.unitChannel = &port_;
    context_.sleeper = &sleeper_;
    context_.unitType = options.unit;
    context_.memoryTools = &memoryTools_;
    std::error_code error;
    context_.programDirectory = std::filesystem::current_path(error).string();
}

CliSession::~CliSession() = default;

std::string CliSession::DefinitionPath(const char* fileName) const {
    if (options_.dir.empty()) {
        return fileName;
    }
    return (std::filesystem::path(options_.dir) / fileName).string();
}

void CliSession::LoadDefinitions() {
    ListBoxMessages messages(window_, ids::main::kMemList);
    definitions_.LoadParameterFile(DefinitionPath("paramdef.ini"), &messages);
    definitions_.LoadMonitorFile(DefinitionPath("SelectMonitor.ini"), &messages);
}

bool CliSession::OpenPort(std::string& reason) {
    const std::string name =
        options_.port.empty() ? "COM" + std::to_string(definitions_.CommPort()) : options_.port;
    if (OpenUnitPort(port_, name)) {
        return true;
    }
    reason = "cannot open port " + name + ": " + DescribeOpenError(port_.LastOpenError());
    return false;
}

bool CliSession::OpenLog(const std::string& path, std::string& reason) {
    context_.logFileName = FullPath(path);
    if (log_.Open(context_.logFileName)) {
        window_.SetText(ids::main::kLogStatus, context_.logFileName);
        return true;
    }
    reason = "cannot open log file " + context_.logFileName;
    return false;
}

bool CliSession::CloseLog(std::string& reason) {
    if (log_.Close() && !log_.Failed()) {
        return true;
    }
    reason = "some lines did not reach the log file " + context_.logFileName;
    return false;
}

} // namespace korvane::cli

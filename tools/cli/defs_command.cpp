#include "cli_session.h"
#include "command_output.h"
#include "unit_commands.h"
#include "workbench/definition_checks.h"
#include "workbench/file_bytes.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace korvane::cli {

namespace {

// What the loader reads: a regular file that opens. A folder opens as a stream here and
// a named pipe would block the open, so the type is checked first.
bool IsReadableFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && std::ifstream(path).is_open();
}

// Prints what the checks find in both files; a failure when one cannot be read or holds
// an error.
int CheckDefs(const CliSession& session, std::ostream& out, std::ostream& err) {
    const std::string parameterPath = session.DefinitionPath("paramdef.ini");
    const std::string monitorPath = session.DefinitionPath("SelectMonitor.ini");
    std::string parameterBytes;
    std::string monitorBytes;
    std::string reason;
    if (!ReadFileBytes(parameterPath, parameterBytes, reason) ||
        !ReadFileBytes(monitorPath, monitorBytes, reason)) {
        return Fail(err, "defs", reason);
    }
    const ParameterFileDocument parameters(parameterBytes);
    const MonitorFileDocument monitor(monitorBytes);
    const std::vector<DefinitionFinding> findings =
        CheckDefinitions({parameterPath, parameters, monitorPath, monitor});
    const auto errors = std::count_if(findings.begin(), findings.end(), [](const auto& finding) {
        return finding.severity == FindingSeverity::Error;
    });
    for (const DefinitionFinding& finding : findings) {
        out << FindingText(finding) << '\n';
    }
    if (errors > 0) {
        return Fail(err, "defs",
                    std::to_string(errors) + (errors == 1 ? " error" : " errors") +
                        " in the definition files");
    }
    return kExitSuccess;
}

} // namespace

int RunDefs(const CliOptions& options, std::ostream& out, std::ostream& err) {
    CliSession session(options);
    if (options.defsCheck) {
        return CheckDefs(session, out, err);
    }
    PrintLines(out, session.LoadDefinitions());
    out << "CommPort=" << session.Definitions().CommPort() << '\n';
    std::vector<std::string> names;
    session.Definitions().RomIdNames(names);
    PrintLines(out, names);

    // The window goes on without a file; a script wants to know.
    for (const char* name : {"paramdef.ini", "SelectMonitor.ini"}) {
        const std::string path = session.DefinitionPath(name);
        if (!IsReadableFile(path)) {
            return Fail(err, "defs", "cannot read " + path);
        }
    }
    return kExitSuccess;
}

} // namespace korvane::cli

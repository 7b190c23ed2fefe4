#include "cli_session.h"
#include "command_output.h"
#include "unit_commands.h"

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

} // namespace

int RunDefs(const CliOptions& options, std::ostream& out, std::ostream& err) {
    CliSession session(options);
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

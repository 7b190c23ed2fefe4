#include "cli_session.h"
#include "command_output.h"
#include "resources/control_ids.h"
#include "unit_commands.h"

#include <fstream>

namespace korvane::cli {

int RunDefs(const CliOptions& options, std::ostream& out, std::ostream& err) {
    CliSession session(options);
    session.LoadDefinitions();
    PrintLines(out, session.MainWindow().List(ids::main::kMemList));
    out << "CommPort=" << session.Definitions().CommPort() << '\n';
    std::vector<std::string> names;
    session.Definitions().RomIdNames(names);
    PrintLines(out, names);

    // The window goes on without a file; a script wants to know.
    for (const char* name : {"paramdef.ini", "SelectMonitor.ini"}) {
        const std::string path = session.DefinitionPath(name);
        if (!std::ifstream(path).is_open()) {
            return Fail(err, "defs", "cannot read " + path);
        }
    }
    return kExitSuccess;
}

} // namespace korvane::cli

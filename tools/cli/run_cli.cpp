#include "run_cli.h"

#include "checksum_file_command.h"
#include "cli_options.h"
#include "doctor_command.h"
#include "dump_command.h"
#include "eval_command.h"
#include "plot_command.h"
#include "unit_commands.h"

namespace korvane::cli {

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CliOptions options;
    int exitCode = kExitSuccess;
    if (!ParseCliOptions(argc, argv, options, exitCode)) {
        return exitCode;
    }
    switch (options.command) {
    case CliCommand::Eval:
        return RunEval(options.eval, out, err);
    case CliCommand::Checksum:
        return RunChecksumFile(options.checksumFile, out, err);
    case CliCommand::Defs:
        return RunDefs(options, out, err);
    case CliCommand::Ports:
        return RunPorts(out, err);
    case CliCommand::RomId:
        return RunRomId(options, out, err);
    case CliCommand::Params:
        return RunParams(options, out, err);
    case CliCommand::Read:
        return RunRead(options, out, err);
    case CliCommand::Write:
        return RunWrite(options, out, err);
    case CliCommand::Dump:
        return RunDump(options, out, err);
    case CliCommand::Plot:
        return RunPlot(options.plot, out, err);
    case CliCommand::Doctor:
        return RunDoctor(options, out, err);
    }
    return kExitUsage;
}

} // namespace korvane::cli

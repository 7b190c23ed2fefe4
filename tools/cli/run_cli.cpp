#include "run_cli.h"

#include "checksum_file_command.h"
#include "cli_options.h"
#include "eval_command.h"

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
    case CliCommand::Ports:
    case CliCommand::RomId:
    case CliCommand::Params:
    case CliCommand::Read:
    case CliCommand::Write:
    case CliCommand::Dump:
        break;
    }
    err << "korvane-cli: this command is not available in this build\n";
    return kExitFailure;
}

} // namespace korvane::cli

#include "dump_command.h"

#include "cli_session.h"
#include "command_output.h"
#include "dump_progress.h"
#include "pacer.h"
#include "romtools/dump_texts.h"
#include "romtools/rom_dumper.h"
#include "stop_signal.h"

#include <filesystem>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace korvane::cli {

namespace {

bool StandardErrorIsTerminal() {
#if defined(_WIN32)
    return _isatty(2) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

std::string WriteFailure(const RomDumper& dumper) {
    return "Can't write output file " + dumper.FileName() + ": " + dumper.FileError().message();
}

// Creates the file as the dialog's Start does, refusing to replace one without --yes.
// False with the reason when the dump cannot begin.
bool Begin(RomDumper& dumper, const DumpOptions& request, std::string& reason) {
    if (!request.overwrite && FileExists(request.file)) {
        reason = request.file + " exists; --yes overwrites it";
        return false;
    }
    switch (dumper.Begin(request.file)) {
    case RomDumper::BeginResult::Started:
        return true;
    case RomDumper::BeginResult::CannotCreate:
        reason = "Can't open output file " + request.file + ": " + dumper.FileError().message();
        return false;
    case RomDumper::BeginResult::PrefillFailed:
        reason = WriteFailure(dumper);
        return false;
    case RomDumper::BeginResult::AlreadyRunning:
        break;
    }
    reason = "the dump did not start";
    return false;
}

} // namespace

int RunDump(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const DumpOptions& request = options.dump;
    // The dialog offers only these two units.
    if (options.unit != UnitType::Ecu && options.unit != UnitType::Tcu) {
        err << "dump: --unit: the dump reads from the ecu or the tcu\n"
               "Run with --help for more information.\n";
        return kExitUsage;
    }
    CliSession session(options);
    session.LoadDefinitions();
    std::string reason;
    if (!session.OpenPort(reason, err)) {
        return Fail(err, "dump", reason);
    }
    DumpState state;
    RomDumper dumper(state, SteadyMillisecondTicks);
    dumper.Configure(request.start, request.count, request.prefill);
    StopSignal stop;
    if (!Begin(dumper, request, reason)) {
        return Fail(err, "dump", reason);
    }

    DumpProgress progress(err, StandardErrorIsTerminal());
    Pacer pacer(request.intervalMs);
    const UnitLink link = session.Link();
    RomDumper::StepResult result = RomDumper::StepResult::NotRunning;
    while (result != RomDumper::StepResult::Completed && pacer.WaitForNextStep(stop)) {
        result = dumper.Step(link);
        progress.Show(state, dumper.Times(), result == RomDumper::StepResult::ReadFailed);
        if (result == RomDumper::StepResult::WriteFailed) {
            progress.Finish();
            return Fail(err, "dump", WriteFailure(dumper));
        }
    }
    progress.Finish();
    if (result != RomDumper::StepResult::Completed) {
        (void)dumper.Stop();
        return Fail(err, "dump",
                    "stopped: " + request.file + " is incomplete, " +
                        std::to_string(state.bytesDone) + " of " + std::to_string(state.byteCount) +
                        " bytes read");
    }
    out << DumpChecksumText(dumper.FinalChecksums()) << '\n';
    return kExitSuccess;
}

} // namespace korvane::cli

#include "doctor_command.h"

#include "cli_session.h"
#include "command_output.h"
#include "doctor/connection_doctor.h"
#include "doctor/doctor_report.h"
#include "doctor/serial_doctor_port.h"
#include "stop_signal.h"

namespace korvane::cli {

namespace {

// As the other commands choose it: --port, else "COM" and the definitions' preferred port.
std::string PortToCheck(const CliOptions& options) {
    if (!options.port.empty()) {
        return options.port;
    }
    CliSession session(options);
    session.LoadDefinitions();
    return "COM" + std::to_string(session.Definitions().CommPort());
}

} // namespace

int RunDoctorOn(const CliOptions& options, const SystemSeams& system, DoctorPort& port,
                const DoctorClock& clock, std::ostream& out, std::ostream& err) {
    StopSignal stop;
    const DoctorSetup setup{system, port, clock, [&stop] { return stop.Requested(); }};
    const DoctorRun run =
        RunConnectionDoctor(PortToCheck(options), setup, [&out](const DoctorStep& step) {
            PrintLines(out, StepLines(step));
            out.flush();
        });
    out << VerdictLine(run) << '\n';
    if (options.doctor.reportFile) {
        const std::string& file = *options.doctor.reportFile;
        if (!WriteDoctorReport(file, run, KORVANE_VERSION_TEXT)) {
            return Fail(err, "doctor", "cannot write the report " + file);
        }
        err << "korvane-cli: doctor: report written to " << file << '\n';
    }
    return run.answeredCleanly ? kExitSuccess : kExitFailure;
}

int RunDoctor(const CliOptions& options, std::ostream& out, std::ostream& err) {
    SerialDoctorPort port;
    const SteadyDoctorClock clock;
    return RunDoctorOn(options, RealSystemSeams(), port, clock, out, err);
}

} // namespace korvane::cli

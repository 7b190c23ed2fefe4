#include "doctor/doctor_report.h"

#include <fstream>

namespace korvane {

namespace {

constexpr const char* kIndent = "       ";

} // namespace

std::vector<std::string> StepLines(const DoctorStep& step) {
    std::vector<std::string> lines{"[" + std::string(MarkText(step.mark)) + "] " + step.title +
                                   ": " + step.finding};
    if (!step.cause.empty()) {
        lines.push_back(std::string(kIndent) + "cause: " + step.cause);
    }
    if (!step.fix.empty()) {
        lines.push_back(std::string(kIndent) + "fix: " + step.fix);
    }
    return lines;
}

std::string VerdictLine(const DoctorRun& run) {
    return "Verdict: " + run.verdict;
}

std::string DoctorReportText(const DoctorRun& run, const std::string& version,
                             const std::string& system) {
    std::string text = "Korvane connection report\n";
    text += "Version: " + version + "\n";
    text += "System: " + system + "\n";
    text += "Port: " + (run.portName.empty() ? std::string("(none)") : run.portName) + "\n\n";
    for (const DoctorStep& step : run.steps) {
        const std::vector<std::string> lines = StepLines(step);
        text += lines.front() + "\n";
        for (const std::string& fact : step.evidence) {
            text += kIndent + std::string("- ") + fact + "\n";
        }
        for (std::size_t i = 1; i < lines.size(); ++i) {
            text += lines[i] + "\n";
        }
    }
    text += "\n" + VerdictLine(run) + "\n\n";
    text += "Trace of the checks' own traffic (milliseconds since they began; > sent, "
            "< received):\n";
    if (run.trace.empty()) {
        text += "(none: the port was not opened)\n";
    }
    for (const std::string& line : run.trace) {
        text += line + "\n";
    }
    return text;
}

bool WriteDoctorReport(const std::string& path, const DoctorRun& run, const std::string& version) {
    std::ofstream report(path, std::ios::binary | std::ios::trunc);
    report << DoctorReportText(run, version, SystemDescription());
    report.close();
    return static_cast<bool>(report);
}

} // namespace korvane

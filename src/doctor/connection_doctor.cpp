#include "doctor/connection_doctor.h"

#include "doctor/access_check.h"
#include "doctor/adapter_check.h"
#include "doctor/line_check.h"
#include "doctor/line_quality_check.h"
#include "doctor/port_name_check.h"
#include "doctor/traced_line.h"
#include "doctor/units_check.h"

#include <memory>

namespace korvane {

namespace {

constexpr const char* kTitles[] = {"Port name", "Adapter", "Access",
                                   "Line",      "Units",   "Line quality"};

} // namespace

DoctorRun RunConnectionDoctor(const std::string& portName, const DoctorSetup& setup,
                              const std::function<void(const DoctorStep&)>& onStep) {
    DoctorRun run;
    run.portName = portName;
    DoctorFindings found;
    found.portName = portName;
    std::unique_ptr<TracedLine> line;
    LineVerdict verdict;
    std::string blocker; // the finding of the step that stopped the checks

    const auto add = [&](DoctorStep step) {
        if (step.mark == StepMark::Failed && blocker.empty()) {
            blocker = step.finding;
        }
        run.steps.push_back(std::move(step));
        if (onStep) {
            onStep(run.steps.back());
        }
    };
    // Steps 1, 3 and 4 must pass for the next to mean anything; step 2 only informs.
    const auto stopped = [&] { return setup.stopRequested && setup.stopRequested(); };
    const auto blocked = [&] {
        return stopped() ||
               (!run.steps.empty() && run.steps.back().mark == StepMark::Failed &&
                run.steps.back().title != kTitles[1]) ||
               (!run.steps.empty() && run.steps.back().mark == StepMark::Skipped &&
                run.steps.back().finding.rfind("not checked", 0) == 0);
    };
    const auto check = [&](int index, const std::function<DoctorStep()>& body) {
        if (blocked()) {
            DoctorStep skipped;
            skipped.title = kTitles[index];
            skipped.finding = stopped() ? "not checked: stopped" : "not checked";
            run.steps.push_back(skipped);
            if (onStep) {
                onStep(run.steps.back());
            }
            return;
        }
        add(body());
    };

    check(0, [&] { return CheckPortName(setup.system.nodes, found); });
    check(1, [&] { return CheckAdapter(setup.system, found); });
    check(2, [&] { return CheckAccess(setup.system.nodes, found); });
    check(3, [&] { return CheckLine(setup.port, setup.system.tree, found); });
    if (found.portOpen) {
        line = std::make_unique<TracedLine>(setup.port.Channel(), setup.port.Pauses(), setup.clock);
    }
    check(4, [&] { return CheckUnits(*line, found, setup.stopRequested); });
    check(5, [&] { return CheckLineQuality(*line, found, setup.stopRequested, verdict); });

    if (!verdict.text.empty()) {
        run.verdict = verdict.text;
    } else {
        run.verdict = "no connection: " + (blocker.empty() ? std::string("stopped") : blocker);
    }
    run.answeredCleanly = verdict.clean;
    if (line) {
        run.trace = line->TraceLines();
    }
    return run;
}

} // namespace korvane

#include "app/connection_check_logic.h"

#include "app/dialog_utils.h"
#include "app/session_doctor_port.h"
#include "doctor/doctor_report.h"
#include "doctor/serial_doctor_port.h"

#include <utility>

namespace korvane {

namespace {

constexpr const char* kReportCaption = "Save report";

} // namespace

ConnectionCheckLogic::ConnectionCheckLogic(ConnectionCheckView& view, const AppContext& context,
                                           std::string portName, bool readRunActive,
                                           SystemSeams system)
    : view_(view), context_(context), portName_(std::move(portName)), readRunActive_(readRunActive),
      system_(system) {}

ConnectionCheckLogic::~ConnectionCheckLogic() {
    stop_->store(true);
}

void ConnectionCheckLogic::OnCreate() {
    if (readRunActive_) {
        view_.SetButtons(false, false);
        view_.ShowStatus("A Read run is active: stop it first, then check the connection.");
        return;
    }
    running_ = true;
    view_.SetButtons(true, false);
    view_.ShowStatus("Checking " + (portName_.empty() ? std::string("(no port)") : portName_) +
                     "...");

    UnitSession* session = context_.session;
    UnitWorker* worker = context_.worker;
    auto showStep = guard_([this](const DoctorStep& step) { view_.AddStep(step); });
    PostUnitWork(
        *worker,
        [session, worker, name = portName_, system = system_, stop = stop_, showStep] {
            // Made and released here, on the worker: a port of the checks' own is closed
            // before the window's next work.
            SessionDoctorPort port(*session);
            const SteadyDoctorClock clock;
            const DoctorSetup setup{system, port, clock, [stop] { return stop->load(); }};
            return RunConnectionDoctor(name, setup, [worker, showStep](const DoctorStep& step) {
                worker->Report([showStep, step]() mutable { showStep(step); });
            });
        },
        guard_([this](DoctorRun run) { Finished(std::move(run)); }));
}

void ConnectionCheckLogic::Finished(DoctorRun run) {
    running_ = false;
    run_ = std::move(run);
    view_.ShowStatus(VerdictLine(*run_));
    view_.SetButtons(false, true);
}

void ConnectionCheckLogic::Cancel() {
    if (!running_ || stop_->load()) {
        return;
    }
    stop_->store(true);
    view_.ShowStatus("Stopping after the exchange under way...");
    view_.SetButtons(false, false);
}

void ConnectionCheckLogic::SaveReport() {
    if (!run_) {
        return;
    }
    const FileFilter filter = {{"Text files", "*.txt"}, {"All files", "*.*"}};
    if (!AskOpenFileName(view_, reportFileName_, filter, context_.programDirectory, "Save Report",
                         FileDialogKind::NewOrExistingFile)) {
        return;
    }
    if (FileExists(reportFileName_) &&
        view_.ShowMessageBox("Replace the existing file?\n" + reportFileName_, kReportCaption,
                             MessageBoxStyle::YesNoExclamation) != MessageBoxResult::Yes) {
        return;
    }
    if (!WriteDoctorReport(reportFileName_, *run_, KORVANE_VERSION_TEXT)) {
        view_.ShowMessageBox("Cannot write the report " + reportFileName_, kReportCaption,
                             MessageBoxStyle::Ok);
        return;
    }
    view_.ShowStatus(VerdictLine(*run_) + " (report saved to " + reportFileName_ + ")");
}

void ConnectionCheckLogic::Exit() {
    // The worker ends the exchange under way on its own; nothing here waits for it.
    stop_->store(true);
    view_.Close();
}

} // namespace korvane

#include "dump_command.h"

#include "cli_session.h"
#include "command_output.h"
#include "dump_progress.h"
#include "pacer.h"
#include "text/format_text.h"
#include "resources/control_ids.h"
#include "app/dump_dialog_logic.h"
#include "stop_signal.h"

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace korvane::cli {

namespace {

namespace d = ids::dump;

// The first message box the dialog showed after the first `seen` ones, or none.
bool StandardErrorIsTerminal() {
#if defined(_WIN32)
    return _isatty(2) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

const HeadlessWindow::ShownMessage* NewMessage(const HeadlessWindow& dialog, std::size_t seen) {
    return dialog.Messages().size() > seen ? &dialog.Messages()[seen] : nullptr;
}

int FailedStart(const HeadlessWindow::ShownMessage& message, const std::string& file,
                std::ostream& err) {
    if (message.text == "Overwrite existing file?") {
        return Fail(err, "dump", file + " exists; --yes overwrites it");
    }
    return Fail(err, "dump", OneLine(message.text) + " (" + file + ")");
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
    if (!session.OpenPort(reason)) {
        return Fail(err, "dump", reason);
    }
    AppContext& context = session.Context();
    HeadlessWindow dialog;
    DumpDialogLogic logic(dialog, context, context.memoryTools->dump);
    logic.OnCreate();
    if (options.unit == UnitType::Tcu) {
        dialog.CheckRadioButton(d::kUnitEcu, d::kUnitTcu, d::kUnitTcu);
        logic.OnCommand(d::kUnitTcu, 0);
    }
    dialog.SetText(d::kStartAddress, FormatText("%X", static_cast<unsigned>(request.start)));
    dialog.SetText(d::kBytesToRead, FormatText("%X", static_cast<unsigned>(request.count)));
    dialog.SetText(d::kPrefill, FormatText("%X", static_cast<unsigned>(request.prefill)));
    dialog.SetText(d::kOutputFile, request.file);
    dialog.AnswerYesNo(request.overwrite ? MessageBoxResult::Yes : MessageBoxResult::No);

    StopSignal stop;
    logic.OnCommand(d::kStart, 0);
    // A started dump disables Start until it ends; otherwise the dialog said why.
    if (dialog.IsEnabled(d::kStart)) {
        if (dialog.Messages().empty()) {
            return Fail(err, "dump", "the dump did not start");
        }
        return FailedStart(dialog.Messages().back(), request.file, err);
    }

    DumpProgress progress(err, StandardErrorIsTerminal());
    Pacer pacer(request.intervalMs);
    const std::size_t messagesBefore = dialog.Messages().size();
    while (dialog.GetText(d::kStatus) != "* COMPLETE *" && pacer.WaitForNextStep(stop)) {
        logic.OnTimer();
        const auto [done, total] = dialog.Progress(d::kProgress);
        progress.Show(done, total, dialog.GetText(d::kCurrentAddress), dialog.GetText(d::kTimes),
                      dialog.GetText(d::kResult));
        if (const auto* message = NewMessage(dialog, messagesBefore)) {
            progress.Finish();
            logic.OnCommand(d::kExit, 0);
            return Fail(err, "dump", OneLine(message->text));
        }
    }
    progress.Finish();
    const bool complete = dialog.GetText(d::kStatus) == "* COMPLETE *";
    const std::uint32_t bytesDone = context.memoryTools->dump.bytesDone;
    logic.OnCommand(d::kExit, 0);
    if (!complete) {
        return Fail(err, "dump",
                    "stopped: " + request.file + " is incomplete, " + std::to_string(bytesDone) +
                        " of " + std::to_string(request.count) + " bytes read");
    }
    out << dialog.GetText(d::kResult) << '\n';
    return kExitSuccess;
}

} // namespace korvane::cli

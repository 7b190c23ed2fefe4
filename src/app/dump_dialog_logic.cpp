#include "app/dump_dialog_logic.h"

#include "app/binary_file_filter.h"
#include "app/dialog_utils.h"
#include "reading/unit_session.h"
#include "romtools/dump_texts.h"
#include "text/format_text.h"
#include "text/hex_number.h"

#include <utility>

namespace korvane {

namespace {

constexpr const char* kErrorCaption = "RomDump error...";

std::uint32_t HexInput(const std::string& text, std::uint32_t previous) {
    return ParseHexAddress(ItemText(text)).value_or(previous);
}

} // namespace

DumpDialogLogic::DumpDialogLogic(DumpView& view, const AppContext& context, DumpSettings& settings,
                                 DumpClocks clocks)
    : view_(view), context_(context), fileName_(settings.fileName), clocks_(std::move(clocks)),
      dumper_(std::make_shared<RomDumper>(settings.state, clocks_.ticks)) {}

void DumpDialogLogic::OnCreate() {
    // No file is open here: a dump never outlives the dialog that ran it.
    (void)dumper_->Stop();
    view_.StartTimer(kTickMs);
    view_.ShowStatus("Inactive");
    view_.ShowSummary("");
    view_.ShowInputs("8000", "8000", "8000");
    view_.ShowFileName(fileName_);
    unit_ = UnitType::Ecu;
    view_.ShowUnit(unit_);
}

void DumpDialogLogic::Start() {
    // Enter still reaches a disabled default button on some platforms.
    if (Running()) {
        return;
    }
    const DumpState& state = dumper_->State();
    const std::uint32_t start = HexInput(view_.StartAddressText(), state.startAddress);
    const std::uint32_t count = HexInput(view_.BytesToReadText(), state.byteCount);
    dumper_->Configure(start, count, HexInput(view_.PrefillText(), 0));
    fileName_ = ItemText(view_.FileNameText());

    if (FileExists(fileName_) &&
        view_.ShowMessageBox("Overwrite existing file?", "Dump file exists",
                             MessageBoxStyle::YesNoExclamation) != MessageBoxResult::Yes) {
        return;
    }
    switch (dumper_->Begin(fileName_)) {
    case RomDumper::BeginResult::Started:
        break;
    case RomDumper::BeginResult::CannotCreate:
        view_.ShowMessageBox("Can't open output file", kErrorCaption, MessageBoxStyle::Ok);
        return;
    case RomDumper::BeginResult::PrefillFailed:
        ShowWriteFailure();
        return;
    case RomDumper::BeginResult::AlreadyRunning:
        return;
    }
    view_.ShowStatus(DumpStartedText(clocks_.utc()));
    view_.ShowSummary(DumpSummaryText(state));
    view_.ShowProgress(0, state.byteCount);
    running_ = true;
    view_.SetInputsEnabled(false);
}

void DumpDialogLogic::Browse() {
    if (Running()) {
        return;
    }
    // Start asks before it overwrites an existing file.
    if (AskOpenFileName(view_, fileName_, BinaryFileFilter(), context_.programDirectory,
                        "Select RomDump File", FileDialogKind::NewOrExistingFile)) {
        view_.ShowFileName(fileName_);
    }
}

void DumpDialogLogic::Exit() {
    running_ = false;
    if (chunkUnderWay_) {
        // The chunk under way finishes first, so that no read outlives the dialog and the
        // dump's state is the window's alone again once it closes.
        exitPending_ = true;
        return;
    }
    (void)dumper_->Stop();
    view_.Close();
}

void DumpDialogLogic::Tick() {
    if (!running_ || chunkUnderWay_) {
        return;
    }
    chunkUnderWay_ = true;
    const UnitLink link = context_.session->Link(unit_);
    PostUnitWork(
        *context_.worker, [dumper = dumper_, link] { return dumper->Step(link); },
        guard_([this](RomDumper::StepResult result) {
            chunkUnderWay_ = false;
            if (exitPending_) {
                Exit();
                return;
            }
            ShowStepResult(result);
        }));
}

void DumpDialogLogic::ShowStepResult(RomDumper::StepResult result) {
    const DumpState& state = dumper_->State();
    view_.ShowCurrentAddress(DumpCurrentAddressText(state));
    view_.ShowTimes(DumpTimesText(dumper_->Times()));
    view_.ShowProgress(state.bytesDone, state.byteCount);
    switch (result) {
    case RomDumper::StepResult::NotRunning:
        break;
    case RomDumper::StepResult::ChunkRead:
        view_.ShowResult("Ok");
        break;
    case RomDumper::StepResult::ReadFailed:
        view_.ShowResult("** FAILED ** - retrying...");
        break;
    case RomDumper::StepResult::Completed:
        running_ = false;
        view_.ShowStatus("* COMPLETE *");
        view_.ShowResult(DumpChecksumText(dumper_->FinalChecksums()));
        view_.SetInputsEnabled(true);
        view_.Beep();
        break;
    case RomDumper::StepResult::WriteFailed:
        ShowWriteFailure();
        break;
    }
}

void DumpDialogLogic::ShowWriteFailure() {
    running_ = false;
    const std::string reason = dumper_->FileError().message();
    view_.ShowResult(FormatText("** WRITE FAILED ** - %s", reason.c_str()));
    view_.SetInputsEnabled(true);
    view_.ShowMessageBox(
        FormatText("Can't write output file\n%s\n%s", fileName_.c_str(), reason.c_str()),
        kErrorCaption, MessageBoxStyle::Ok);
}

} // namespace korvane

#include "app/dump_dialog_logic.h"

#include "app/binary_file_filter.h"
#include "app/dialog_utils.h"
#include "app/window.h"
#include "reading/unit_session.h"
#include "resources/control_ids.h"
#include "romtools/dump_texts.h"
#include "text/format_text.h"
#include "text/hex_number.h"

#include <filesystem>
#include <utility>

namespace korvane {

namespace d = ids::dump;

namespace {

constexpr const char* kErrorCaption = "RomDump error...";

std::uint32_t HexInput(const Window& window, int id, std::uint32_t previous) {
    std::string text;
    GetItemText(window, id, text);
    return ParseHexAddress(text).value_or(previous);
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

} // namespace

DumpDialogLogic::DumpDialogLogic(Window& window, const AppContext& context, DumpSettings& settings,
                                 DumpClocks clocks)
    : window_(window), context_(context), fileName_(settings.fileName), clocks_(std::move(clocks)),
      dumper_(std::make_shared<RomDumper>(settings.state, clocks_.ticks)) {}

void DumpDialogLogic::OnCreate() {
    // No file is open here: a dump never outlives the dialog that ran it.
    (void)dumper_->Stop();
    window_.StartTimer(kTickMs);
    window_.SetText(d::kStatus, "Inactive");
    window_.SetText(d::kSummary, "");
    window_.SetText(d::kStartAddress, "8000");
    window_.SetText(d::kBytesToRead, "8000");
    window_.SetText(d::kPrefill, "8000");
    window_.SetText(d::kOutputFile, fileName_);
    window_.CheckRadioButton(d::kUnitEcu, d::kUnitTcu, d::kUnitEcu);
    unit_ = UnitType::Ecu;
}

void DumpDialogLogic::OnCommand(int id, int /*notification*/) {
    switch (id) {
    case d::kStart:
        Start();
        break;
    case d::kBrowse:
        Browse();
        break;
    case d::kUnitEcu:
        unit_ = UnitType::Ecu;
        break;
    case d::kUnitTcu:
        unit_ = UnitType::Tcu;
        break;
    case d::kExit:
        Exit();
        break;
    default:
        break;
    }
}

void DumpDialogLogic::Start() {
    // Enter still reaches a disabled default button on some platforms.
    if (Running()) {
        return;
    }
    const DumpState& state = dumper_->State();
    const std::uint32_t start = HexInput(window_, d::kStartAddress, state.startAddress);
    const std::uint32_t count = HexInput(window_, d::kBytesToRead, state.byteCount);
    dumper_->Configure(start, count, HexInput(window_, d::kPrefill, 0));
    GetItemText(window_, d::kOutputFile, fileName_);

    if (FileExists(fileName_) &&
        window_.ShowMessageBox("Overwrite existing file?", "Dump file exists",
                               MessageBoxStyle::YesNoExclamation) != MessageBoxResult::Yes) {
        return;
    }
    switch (dumper_->Begin(fileName_)) {
    case RomDumper::BeginResult::Started:
        break;
    case RomDumper::BeginResult::CannotCreate:
        window_.ShowMessageBox("Can't open output file", kErrorCaption, MessageBoxStyle::Ok);
        return;
    case RomDumper::BeginResult::PrefillFailed:
        ShowWriteFailure();
        return;
    case RomDumper::BeginResult::AlreadyRunning:
        return;
    }
    window_.SetText(d::kStatus, DumpStartedText(clocks_.utc()));
    window_.SetText(d::kSummary, DumpSummaryText(state));
    window_.SetProgress(d::kProgress, 0, state.byteCount);
    running_ = true;
    SetInputsEnabled(false);
}

void DumpDialogLogic::Browse() {
    if (Running()) {
        return;
    }
    // Start asks before it overwrites an existing file.
    if (AskOpenFileName(window_, fileName_, BinaryFileFilter(), context_.programDirectory,
                        "Select RomDump File", FileDialogKind::NewOrExistingFile)) {
        window_.SetText(d::kOutputFile, fileName_);
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
    window_.Close();
}

void DumpDialogLogic::OnTimer() {
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
    window_.SetText(d::kCurrentAddress, DumpCurrentAddressText(state));
    window_.SetText(d::kTimes, DumpTimesText(dumper_->Times()));
    window_.SetProgress(d::kProgress, state.bytesDone, state.byteCount);
    switch (result) {
    case RomDumper::StepResult::NotRunning:
        break;
    case RomDumper::StepResult::ChunkRead:
        window_.SetText(d::kResult, "Ok");
        break;
    case RomDumper::StepResult::ReadFailed:
        window_.SetText(d::kResult, "** FAILED ** - retrying...");
        break;
    case RomDumper::StepResult::Completed:
        running_ = false;
        window_.SetText(d::kStatus, "* COMPLETE *");
        window_.SetText(d::kResult, DumpChecksumText(dumper_->FinalChecksums()));
        SetInputsEnabled(true);
        window_.Beep();
        break;
    case RomDumper::StepResult::WriteFailed:
        ShowWriteFailure();
        break;
    }
}

void DumpDialogLogic::ShowWriteFailure() {
    running_ = false;
    const std::string reason = dumper_->FileError().message();
    window_.SetText(d::kResult, FormatText("** WRITE FAILED ** - %s", reason.c_str()));
    SetInputsEnabled(true);
    window_.ShowMessageBox(
        FormatText("Can't write output file\n%s\n%s", fileName_.c_str(), reason.c_str()),
        kErrorCaption, MessageBoxStyle::Ok);
}

void DumpDialogLogic::SetInputsEnabled(bool enabled) {
    for (const int id : {d::kStart, d::kBrowse, d::kStartAddress, d::kBytesToRead, d::kPrefill}) {
        window_.Enable(id, enabled);
    }
}

} // namespace korvane

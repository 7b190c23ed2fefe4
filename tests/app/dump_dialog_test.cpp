#include "app/dump_dialog_logic.h"

#include "app/fake_window.h"
#include "app/manual_worker.h"
#include "link/fake_device.h"
#include "log/fake_utc_clock.h"
#include "reading/unit_session.h"
#include "resources/control_ids.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace korvane {
namespace {

namespace d = ids::dump;
using fakes::FakeWindow;
using testing::ReadWholeFile;

// The controls a running dump disables.
const std::set<int> kInputs = {d::kStart, d::kBrowse, d::kStartAddress, d::kBytesToRead,
                               d::kPrefill};

class DumpDialog : public ::testing::Test {
protected:
    DumpDialog() {
        for (std::size_t address = 0; address < memory.size(); ++address) {
            memory[address] = static_cast<std::uint8_t>(address * 3);
        }
        device.SetResponder(fakes::MemoryResponder(memory));
        context.session = &session;
        context.worker = &worker;
        context.programDirectory = folder.Path().string();
        settings.fileName = folder.File("romdump.bin");
        utc.now = {14, 5, 9, 42};
        logic.OnCreate();
    }

    void Start(const std::string& start, const std::string& count, const std::string& prefill) {
        window.SetText(d::kStartAddress, start);
        window.SetText(d::kBytesToRead, count);
        window.SetText(d::kPrefill, prefill);
        logic.OnCommand(d::kStart, 0);
    }
    // One tick, a second after the last.
    void Tick() {
        ticks += 1000;
        logic.OnTimer();
    }
    std::string Text(int id) const { return window.GetText(id); }
    std::string DumpFile() const { return ReadWholeFile(settings.fileName); }
    std::string Memory(std::uint32_t from, std::uint32_t count) const {
        return std::string(memory.begin() + from, memory.begin() + from + count);
    }

    std::vector<std::uint8_t> memory = std::vector<std::uint8_t>(0x10000);
    fakes::FakeDevice device;
    UnitSession session{&device, &device};
    InlineWorker worker;
    testing::ScratchFolder folder;
    FakeWindow window;
    AppContext context;
    DumpSettings settings;
    DumpState& state = settings.state;
    std::uint32_t ticks = 50000;
    testing::FakeUtcClock utc;
    DumpDialogLogic logic{window, context, settings,
                          DumpClocks{[this] { return ticks; }, utc.Function()}};
};

TEST_F(DumpDialog, OpensWithTheDefaultsAndTheEcuChosen) {
    logic.OnCommand(d::kUnitTcu, 0);
    window.SetText(d::kSummary, "from before");
    logic.OnCreate();
    EXPECT_EQ(window.timerPeriods.back(), 1000);
    EXPECT_EQ(Text(d::kStatus), "Inactive");
    EXPECT_EQ(Text(d::kSummary), "");
    for (const int id : {d::kStartAddress, d::kBytesToRead, d::kPrefill}) {
        EXPECT_EQ(Text(id), "8000") << id;
    }
    EXPECT_EQ(Text(d::kOutputFile), settings.fileName);
    EXPECT_EQ(window.checked, (std::set<int>{d::kUnitEcu}));
    EXPECT_EQ(logic.Unit(), UnitType::Ecu);
}

TEST_F(DumpDialog, DumpsChunkByChunkOverAnAcceptedFileAndReportsCompletion) {
    testing::WriteWholeFile(settings.fileName, std::string(100, 'o'));
    window.messageBoxAnswers.push_back(MessageBoxResult::Yes);
    Start("8000", "15", "0");
    EXPECT_EQ(window.messageBoxes.at(0).style, MessageBoxStyle::YesNoExclamation);
    EXPECT_EQ(Text(d::kStatus), "Started at: 14:05...");
    EXPECT_EQ(Text(d::kSummary),
              "Prefill bytes:  \t0x0000\nStart address:  \t0x8000\nNo. of bytes:   \t0x0015\n");
    EXPECT_EQ(window.progress[d::kProgress], std::make_pair(0LL, 21LL));
    EXPECT_EQ(window.disabled, kInputs);

    Tick();
    EXPECT_EQ(Text(d::kResult), "Ok");
    EXPECT_EQ(Text(d::kCurrentAddress), "Current address:\t0x800F\n");
    EXPECT_EQ(window.progress[d::kProgress], std::make_pair(16LL, 21LL));
    EXPECT_EQ(window.beeps, 0);

    Tick();
    EXPECT_EQ(Text(d::kStatus), "* COMPLETE *");
    EXPECT_EQ(Text(d::kCurrentAddress), "Current address:\t0x8014\n");
    EXPECT_EQ(Text(d::kResult), "Checksum not done (not a 32k dump)");
    EXPECT_EQ(window.progress[d::kProgress], std::make_pair(21LL, 21LL));
    EXPECT_EQ(window.beeps, 1);
    EXPECT_TRUE(window.disabled.empty());
    EXPECT_EQ(DumpFile(), Memory(0x8000, 0x15));
    // Later ticks do nothing.
    Tick();
    EXPECT_EQ(window.beeps, 1);
}

TEST_F(DumpDialog, FailedReadRetriesAndEstimatesFromThePace) {
    Start("8000", "8000", "0");
    device.SetClosed(true);
    Tick();
    EXPECT_EQ(Text(d::kResult), "** FAILED ** - retrying...");
    EXPECT_EQ(Text(d::kCurrentAddress), "Current address:\t0x7FFF\n");
    EXPECT_EQ(Text(d::kTimes), "Estimated time: \t00min 00sec\nElapsed time:   \t00min 00sec\n"
                               "Remaining time: \t00min 00sec");

    device.SetClosed(false);
    device.ClearTrace();
    Tick();
    EXPECT_EQ(Text(d::kResult), "Ok");
    EXPECT_EQ(device.Writes().front(), (fakes::Bytes{0x78, 0x80, 0x00, 0x00}));
    EXPECT_EQ(Text(d::kTimes), "Estimated time: \t34min 08sec\nElapsed time:   \t00min 01sec\n"
                               "Remaining time: \t34min 07sec");
}

TEST_F(DumpDialog, ImagesOf32Or64KiBAreChecksummedOverTheirLastHalf) {
    // The pre-fill alone makes a 32 KiB image of zeros.
    Start("8000", "0", "8000");
    Tick();
    EXPECT_EQ(Text(d::kStatus), "* COMPLETE *");
    EXPECT_EQ(Text(d::kResult), "Checksum OK: Rom= 0000  Calc= 0000");
    EXPECT_EQ(DumpFile(), std::string(0x8000, '\0'));

    // The defaults: a 64 KiB image. One byte 0x12 gives sum and exclusive-or 0x12.
    std::fill(memory.begin() + 0x8000, memory.end(), 0);
    memory[0x8006] = 0x12;
    memory[0x8007] = 0x12;
    memory[0x9000] = 0x12;
    window.messageBoxAnswers.push_back(MessageBoxResult::Yes);
    Start("8000", "8000", "8000");
    for (int tick = 0; tick < 2048; ++tick) {
        Tick();
    }
    EXPECT_EQ(Text(d::kStatus), "* COMPLETE *");
    EXPECT_EQ(Text(d::kResult), "Checksum OK: Rom= 1212  Calc= 1212");
    EXPECT_EQ(DumpFile(), std::string(0x8000, '\0') + Memory(0x8000, 0x8000));

    // A pre-fill above 64 KiB is cut.
    window.messageBoxAnswers.push_back(MessageBoxResult::Yes);
    Start("0", "0", "20000");
    EXPECT_EQ(Text(d::kSummary).substr(0, 24), "Prefill bytes:  \t0x10000");
    EXPECT_EQ(std::filesystem::file_size(settings.fileName), 0x10000U);
}

TEST_F(DumpDialog, DuringADumpStartIsRefusedAndUnitButtonsActAtOnce) {
    Start("8000", "100", "0");
    Tick();
    // Enter may still send Start; it neither asks about the file nor rewinds the dump.
    Start("0", "10", "0");
    EXPECT_TRUE(window.messageBoxes.empty());
    logic.OnCommand(d::kUnitTcu, 0);
    EXPECT_EQ(logic.Unit(), UnitType::Tcu);
    device.ClearTrace();
    Tick();
    EXPECT_EQ(device.Writes().front(), (fakes::Bytes{0x45, 0x80, 0x10, 0x00}));
    logic.OnCommand(d::kUnitEcu, 0);
    EXPECT_EQ(logic.Unit(), UnitType::Ecu);
}

TEST_F(DumpDialog, ExitWhileAChunkIsUnderWayClosesWhenItHasEndedAndKeepsThePartWritten) {
    fakes::ManualWorker slowLine;
    context.worker = &slowLine;
    Start("8000", "8000", "4");
    Tick();
    // Ticks while the chunk is under way start no other read.
    Tick();
    ASSERT_EQ(slowLine.Waiting(), 1U);
    logic.OnCommand(d::kExit, 0);
    EXPECT_EQ(window.closeRequests, 0);
    ASSERT_TRUE(slowLine.RunNext());
    EXPECT_EQ(window.closeRequests, 1);
    EXPECT_FALSE(state.running);
    EXPECT_EQ(DumpFile(), std::string(4, '\0') + Memory(0x8000, 16));
    EXPECT_NE(Text(d::kStatus), "* COMPLETE *");
    Tick();
    EXPECT_FALSE(slowLine.RunNext());
}

// A dump that cannot go on: the last message box and the Result line say why, and the
// dialog takes another start.
struct Failure {
    const char* file; // in the scratch folder, or a device
    const char* prefill;
    MessageBoxResult overwrite;
    const char* box;
    const char* result;
};

const Failure kFailures[] = {
    {"kept.bin", "0", MessageBoxResult::No, "Overwrite existing file?", ""},
    {"missing/romdump.bin", "0", MessageBoxResult::Yes, "Can't open output file", ""},
    {"/dev/full", "8000", MessageBoxResult::Yes, "Can't write output file\n/dev/full\n",
     "** WRITE FAILED ** - "},
    {"/dev/full", "0", MessageBoxResult::Yes, "Can't write output file\n/dev/full\n",
     "** WRITE FAILED ** - "},
};

void PrintTo(const Failure& failure, std::ostream* out) {
    *out << failure.file << ", prefill " << failure.prefill;
}

class DumpFailure : public DumpDialog, public ::testing::WithParamInterface<Failure> {};

TEST_P(DumpFailure, IsReportedAndEndsTheDump) {
    const Failure& failure = GetParam();
    const std::string file = folder.File(failure.file);
    if (file.starts_with("/dev/") && !std::filesystem::exists(file)) {
        GTEST_SKIP() << "no " << file << " here";
    }
    if (std::string(failure.file) == "kept.bin") {
        testing::WriteWholeFile(file, "keep me");
    }
    window.SetText(d::kOutputFile, file);
    window.messageBoxAnswers.assign(2, failure.overwrite);
    Start("8000", "8000", failure.prefill);
    Tick();
    ASSERT_FALSE(window.messageBoxes.empty());
    EXPECT_TRUE(window.messageBoxes.back().text.starts_with(failure.box))
        << window.messageBoxes.back().text;
    EXPECT_TRUE(Text(d::kResult).starts_with(failure.result)) << Text(d::kResult);
    EXPECT_NE(Text(d::kStatus), "* COMPLETE *");
    EXPECT_EQ(window.beeps, 0);
    EXPECT_TRUE(window.disabled.empty());
    EXPECT_FALSE(state.running);
    EXPECT_EQ(settings.fileName, file);
    const std::size_t boxes = window.messageBoxes.size();
    Tick();
    EXPECT_EQ(window.messageBoxes.size(), boxes);
    if (std::string(failure.file) == "kept.bin") {
        EXPECT_EQ(DumpFile(), "keep me");
    }
    window.SetText(d::kOutputFile, folder.File("next.bin"));
    Start("8000", "10", "0");
    EXPECT_EQ(window.disabled, kInputs) << "a new start is taken";
}

INSTANTIATE_TEST_SUITE_P(Cases, DumpFailure, ::testing::ValuesIn(kFailures));

TEST_F(DumpDialog, BrowseSuggestsTheFileNameAndShowsTheChoice) {
    window.fileAnswers = {std::nullopt, folder.File("other.bin")};
    logic.OnCommand(d::kBrowse, 0);
    EXPECT_EQ(settings.fileName, folder.File("romdump.bin"));
    logic.OnCommand(d::kBrowse, 0);
    ASSERT_EQ(window.fileDialogs.size(), 2U);
    EXPECT_EQ(window.fileDialogs[0].suggestion, "romdump.bin");
    EXPECT_EQ(window.fileDialogs[0].kind, FileDialogKind::NewOrExistingFile);
    EXPECT_EQ(window.fileDialogs[0].initialFolder, context.programDirectory);
    EXPECT_EQ(settings.fileName, folder.File("other.bin"));
    EXPECT_EQ(Text(d::kOutputFile), folder.File("other.bin"));
}

TEST_F(DumpDialog, FieldsThatAreNoNumberKeepThePreviousDumpsValuesAcrossDialogs) {
    Start("0x1000", "20", "0");
    Tick();
    logic.OnCommand(d::kExit, 0);

    DumpDialogLogic reopened(window, context, settings);
    reopened.OnCreate();
    window.SetText(d::kStartAddress, "zz");
    window.SetText(d::kBytesToRead, "");
    window.SetText(d::kPrefill, "nothing");
    window.SetText(d::kOutputFile, folder.File("second.bin"));
    reopened.OnCommand(d::kStart, 0);
    EXPECT_EQ(Text(d::kSummary),
              "Prefill bytes:  \t0x0000\nStart address:  \t0x1000\nNo. of bytes:   \t0x0020\n");
}

} // namespace
} // namespace korvane

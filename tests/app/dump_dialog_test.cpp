#include "app/dump_dialog_logic.h"

#include "app/manual_worker.h"
#include "app/recording_dump_view.h"
#include "link/fake_device.h"
#include "log/fake_utc_clock.h"
#include "reading/unit_session.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace korvane {
namespace {

using testing::ReadWholeFile;

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
        view.start = start;
        view.count = count;
        view.prefill = prefill;
        logic.Start();
    }
    // One tick, a second after the last.
    void Tick() {
        ticks += 1000;
        logic.Tick();
    }
    std::string DumpFile() const { return ReadWholeFile(settings.fileName); }
    std::string Memory(std::uint32_t from, std::uint32_t count) const {
        return std::string(memory.begin() + from, memory.begin() + from + count);
    }

    std::vector<std::uint8_t> memory = std::vector<std::uint8_t>(0x10000);
    fakes::FakeDevice device;
    UnitSession session{&device, &device};
    InlineWorker worker;
    testing::ScratchFolder folder;
    fakes::RecordingDumpView view;
    AppContext context;
    DumpSettings settings;
    DumpState& state = settings.state;
    std::uint32_t ticks = 50000;
    testing::FakeUtcClock utc;
    DumpDialogLogic logic{view, context, settings,
                          DumpClocks{[this] { return ticks; }, utc.Function()}};
};

TEST_F(DumpDialog, OpensWithTheDefaultsAndTheEcuChosen) {
    logic.ChooseUnit(UnitType::Tcu);
    view.summary = "from before";
    logic.OnCreate();
    EXPECT_EQ(view.timerPeriods.back(), 1000);
    EXPECT_EQ(view.status, "Inactive");
    EXPECT_EQ(view.summary, "");
    EXPECT_EQ(view.start + view.count + view.prefill, "800080008000");
    EXPECT_EQ(view.fileName, settings.fileName);
    EXPECT_EQ(view.unit, UnitType::Ecu);
    EXPECT_EQ(logic.Unit(), UnitType::Ecu);
}

TEST_F(DumpDialog, DumpsChunkByChunkOverAnAcceptedFileAndReportsCompletion) {
    testing::WriteWholeFile(settings.fileName, std::string(100, 'o'));
    view.messageBoxAnswers.push_back(MessageBoxResult::Yes);
    Start("8000", "15", "0");
    EXPECT_EQ(view.messageBoxes.at(0).style, MessageBoxStyle::YesNoExclamation);
    EXPECT_EQ(view.status, "Started at: 14:05...");
    EXPECT_EQ(view.summary,
              "Prefill bytes:  \t0x0000\nStart address:  \t0x8000\nNo. of bytes:   \t0x0015\n");
    EXPECT_EQ(view.progress, std::make_pair(0LL, 21LL));
    EXPECT_FALSE(view.inputsEnabled);

    Tick();
    EXPECT_EQ(view.result, "Ok");
    EXPECT_EQ(view.currentAddress, "Current address:\t0x800F\n");
    EXPECT_EQ(view.progress, std::make_pair(16LL, 21LL));
    EXPECT_EQ(view.beeps, 0);

    Tick();
    EXPECT_EQ(view.status, "* COMPLETE *");
    EXPECT_EQ(view.currentAddress, "Current address:\t0x8014\n");
    EXPECT_EQ(view.result, "Checksum not done (not a 32k dump)");
    EXPECT_EQ(view.progress, std::make_pair(21LL, 21LL));
    EXPECT_EQ(view.beeps, 1);
    EXPECT_TRUE(view.inputsEnabled);
    EXPECT_EQ(DumpFile(), Memory(0x8000, 0x15));
    // Later ticks do nothing.
    Tick();
    EXPECT_EQ(view.beeps, 1);
}

TEST_F(DumpDialog, FailedReadRetriesAndEstimatesFromThePace) {
    Start("8000", "8000", "0");
    device.SetClosed(true);
    Tick();
    EXPECT_EQ(view.result, "** FAILED ** - retrying...");
    EXPECT_EQ(view.currentAddress, "Current address:\t0x7FFF\n");
    EXPECT_EQ(view.times, "Estimated time: \t00min 00sec\nElapsed time:   \t00min 00sec\n"
                          "Remaining time: \t00min 00sec");

    device.SetClosed(false);
    device.ClearTrace();
    Tick();
    EXPECT_EQ(view.result, "Ok");
    EXPECT_EQ(device.Writes().front(), (fakes::Bytes{0x78, 0x80, 0x00, 0x00}));
    EXPECT_EQ(view.times, "Estimated time: \t34min 08sec\nElapsed time:   \t00min 01sec\n"
                          "Remaining time: \t34min 07sec");
}

TEST_F(DumpDialog, ImagesOf32Or64KiBAreChecksummedOverTheirLastHalf) {
    // The pre-fill alone makes a 32 KiB image of zeros.
    Start("8000", "0", "8000");
    Tick();
    EXPECT_EQ(view.status, "* COMPLETE *");
    EXPECT_EQ(view.result, "Checksum OK: Rom= 0000  Calc= 0000");
    EXPECT_EQ(DumpFile(), std::string(0x8000, '\0'));

    // The defaults: a 64 KiB image. One byte 0x12 gives sum and exclusive-or 0x12.
    std::fill(memory.begin() + 0x8000, memory.end(), 0);
    memory[0x8006] = 0x12;
    memory[0x8007] = 0x12;
    memory[0x9000] = 0x12;
    view.messageBoxAnswers.push_back(MessageBoxResult::Yes);
    Start("8000", "8000", "8000");
    for (int tick = 0; tick < 2048; ++tick) {
        Tick();
    }
    EXPECT_EQ(view.status, "* COMPLETE *");
    EXPECT_EQ(view.result, "Checksum OK: Rom= 1212  Calc= 1212");
    EXPECT_EQ(DumpFile(), std::string(0x8000, '\0') + Memory(0x8000, 0x8000));

    // A pre-fill above 64 KiB is cut.
    view.messageBoxAnswers.push_back(MessageBoxResult::Yes);
    Start("0", "0", "20000");
    EXPECT_EQ(view.summary.substr(0, 24), "Prefill bytes:  \t0x10000");
    EXPECT_EQ(std::filesystem::file_size(settings.fileName), 0x10000U);
}

TEST_F(DumpDialog, DuringADumpStartIsRefusedAndUnitButtonsActAtOnce) {
    Start("8000", "100", "0");
    Tick();
    // Enter may still send Start; it neither asks about the file nor rewinds the dump.
    Start("0", "10", "0");
    EXPECT_TRUE(view.messageBoxes.empty());
    logic.ChooseUnit(UnitType::Tcu);
    EXPECT_EQ(logic.Unit(), UnitType::Tcu);
    device.ClearTrace();
    Tick();
    EXPECT_EQ(device.Writes().front(), (fakes::Bytes{0x45, 0x80, 0x10, 0x00}));
    logic.ChooseUnit(UnitType::Ecu);
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
    logic.Exit();
    EXPECT_EQ(view.closeRequests, 0);
    ASSERT_TRUE(slowLine.RunNext());
    EXPECT_EQ(view.closeRequests, 1);
    EXPECT_FALSE(state.running);
    EXPECT_EQ(DumpFile(), std::string(4, '\0') + Memory(0x8000, 16));
    EXPECT_NE(view.status, "* COMPLETE *");
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
    view.fileName = file;
    view.messageBoxAnswers.assign(2, failure.overwrite);
    Start("8000", "8000", failure.prefill);
    Tick();
    ASSERT_FALSE(view.messageBoxes.empty());
    EXPECT_TRUE(view.messageBoxes.back().text.starts_with(failure.box))
        << view.messageBoxes.back().text;
    EXPECT_TRUE(view.result.starts_with(failure.result)) << view.result;
    EXPECT_NE(view.status, "* COMPLETE *");
    EXPECT_EQ(view.beeps, 0);
    EXPECT_TRUE(view.inputsEnabled);
    EXPECT_FALSE(state.running);
    EXPECT_EQ(settings.fileName, file);
    const std::size_t boxes = view.messageBoxes.size();
    Tick();
    EXPECT_EQ(view.messageBoxes.size(), boxes);
    if (std::string(failure.file) == "kept.bin") {
        EXPECT_EQ(DumpFile(), "keep me");
    }
    view.fileName = folder.File("next.bin");
    Start("8000", "10", "0");
    EXPECT_FALSE(view.inputsEnabled) << "a new start is taken";
}

INSTANTIATE_TEST_SUITE_P(Cases, DumpFailure, ::testing::ValuesIn(kFailures));

TEST_F(DumpDialog, BrowseSuggestsTheFileNameAndShowsTheChoice) {
    view.fileAnswers = {std::nullopt, folder.File("other.bin")};
    logic.Browse();
    EXPECT_EQ(settings.fileName, folder.File("romdump.bin"));
    logic.Browse();
    ASSERT_EQ(view.fileDialogs.size(), 2U);
    EXPECT_EQ(view.fileDialogs[0].suggestion, "romdump.bin");
    EXPECT_EQ(view.fileDialogs[0].kind, FileDialogKind::NewOrExistingFile);
    EXPECT_EQ(view.fileDialogs[0].initialFolder, context.programDirectory);
    EXPECT_EQ(settings.fileName, folder.File("other.bin"));
    EXPECT_EQ(view.fileName, folder.File("other.bin"));
}

TEST_F(DumpDialog, FieldsThatAreNoNumberKeepThePreviousDumpsValuesAcrossDialogs) {
    Start("0x1000", "20", "0");
    Tick();
    logic.Exit();

    DumpDialogLogic reopened(view, context, settings);
    reopened.OnCreate();
    view.start = "zz";
    view.count = "";
    view.prefill = "nothing";
    view.fileName = folder.File("second.bin");
    reopened.Start();
    EXPECT_EQ(view.summary,
              "Prefill bytes:  \t0x0000\nStart address:  \t0x1000\nNo. of bytes:   \t0x0020\n");
}

} // namespace
} // namespace korvane

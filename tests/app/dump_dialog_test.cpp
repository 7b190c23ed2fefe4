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
#include <string>
#include <utility>
#include <vector>

namespace korvane {
namespace {

namespace d = ids::dump;
using fakes::FakeWindow;
using testing::ReadWholeFile;
using testing::WriteWholeFile;

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
        context.dumpFileName = folder.File("romdump.bin");
        utc.now = {14, 5, 9, 42};
        logic.OnCreate();
    }

    void Fill(const std::string& start, const std::string& count, const std::string& prefill) {
        window.SetText(d::kStartAddress, start);
        window.SetText(d::kBytesToRead, count);
        window.SetText(d::kPrefill, prefill);
    }
    void Tick(std::uint32_t advanceMs = 1000) {
        ticks += advanceMs;
        logic.OnTimer();
    }
    std::string Text(int id) const { return window.GetText(id); }
    std::string DumpFile() const { return ReadWholeFile(context.dumpFileName); }
    std::string Memory(std::uint32_t from, std::uint32_t count) const {
        return std::string(memory.begin() + from, memory.begin() + from + count);
    }
    int InputsEnabled() const {
        int enabled = 0;
        for (const int id :
             {d::kStart, d::kBrowse, d::kStartAddress, d::kBytesToRead, d::kPrefill}) {
            enabled += window.IsEnabled(id) ? 1 : 0;
        }
        return enabled;
    }

    std::vector<std::uint8_t> memory = std::vector<std::uint8_t>(0x10000);
    fakes::FakeDevice device;
    UnitSession session{&device, &device};
    InlineWorker worker;
    testing::ScratchFolder folder;
    FakeWindow window;
    AppContext context;
    DumpState state;
    std::uint32_t ticks = 50000;
    testing::FakeUtcClock utc;
    DumpDialogLogic logic{window, context, state,
                          DumpClocks{[this] { return ticks; }, utc.Function()}};
};

TEST(DumpDialogCreate, ShowsTheDefaultsAndSelectsTheEcu) {
    FakeWindow window;
    AppContext context;
    context.unitType = UnitType::Tcu;
    context.dumpFileName = "C:\\dumps\\last.bin";
    DumpState state;
    DumpDialogLogic logic(window, context, state);

    logic.OnCreate();

    EXPECT_EQ(window.timerPeriods, (std::vector<int>{1000}));
    EXPECT_EQ(window.GetText(d::kStatus), "Inactive");
    EXPECT_EQ(window.GetText(d::kSummary), "");
    EXPECT_EQ(window.GetText(d::kStartAddress), "8000");
    EXPECT_EQ(window.GetText(d::kBytesToRead), "8000");
    EXPECT_EQ(window.GetText(d::kPrefill), "8000");
    EXPECT_EQ(window.GetText(d::kOutputFile), "C:\\dumps\\last.bin");
    EXPECT_TRUE(window.IsChecked(d::kUnitEcu));
    EXPECT_FALSE(window.IsChecked(d::kUnitTcu));
    EXPECT_EQ(context.unitType, UnitType::Ecu);
}

TEST_F(DumpDialog, DumpsChunkByChunkAndReportsCompletion) {
    Fill("8000", "15", "0");
    logic.OnCommand(d::kStart, 0);

    EXPECT_EQ(Text(d::kStatus), "Started at: 14:05...");
    EXPECT_EQ(Text(d::kSummary),
              "Prefill bytes:  \t0x0000\nStart address:  \t0x8000\nNo. of bytes:   \t0x0015\n");
    EXPECT_EQ(InputsEnabled(), 0);
    EXPECT_TRUE(window.IsEnabled(d::kExit));

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
    EXPECT_EQ(InputsEnabled(), 5);
    EXPECT_EQ(DumpFile(), Memory(0x8000, 0x15));

    // Later ticks do nothing.
    Tick();
    EXPECT_EQ(window.beeps, 1);
}

TEST_F(DumpDialog, FailedReadRetriesAndEstimatesFromThePace) {
    Fill("8000", "8000", "0");
    logic.OnCommand(d::kStart, 0);
    device.SetClosed(true);

    Tick();
    EXPECT_EQ(Text(d::kResult), "** FAILED ** - retrying...");
    EXPECT_EQ(Text(d::kCurrentAddress), "Current address:\t0x7FFF\n");
    EXPECT_EQ(Text(d::kTimes), "Estimated time: \t00min 00sec\nElapsed time:   \t00min 00sec\n"
                               "Remaining time: \t00min 00sec");

    device.SetClosed(false);
    device.ClearTrace();
    Tick(1000);
    EXPECT_EQ(Text(d::kResult), "Ok");
    EXPECT_EQ(device.Writes().front(), (fakes::Bytes{0x78, 0x80, 0x00, 0x00}));
    EXPECT_EQ(Text(d::kTimes), "Estimated time: \t34min 08sec\nElapsed time:   \t00min 01sec\n"
                               "Remaining time: \t34min 07sec");
}

TEST_F(DumpDialog, ImagesOf32Or64KiBAreChecksummedOverTheirLastHalf) {
    // The pre-fill alone makes a 32 KiB image of zeros.
    Fill("8000", "0", "8000");
    logic.OnCommand(d::kStart, 0);
    Tick();
    EXPECT_EQ(Text(d::kStatus), "* COMPLETE *");
    EXPECT_EQ(Text(d::kResult), "Checksum OK: Rom= 0000  Calc= 0000");
    EXPECT_EQ(DumpFile(), std::string(0x8000, '\0'));

    // The defaults: a 64 KiB image. One byte 0x12 gives sum and exclusive-or 0x12.
    std::fill(memory.begin() + 0x8000, memory.end(), 0);
    memory[0x8006] = 0x12;
    memory[0x8007] = 0x12;
    memory[0x9000] = 0x12;
    Fill("8000", "8000", "8000");
    window.messageBoxAnswers.push_back(MessageBoxResult::Yes);
    logic.OnCommand(d::kStart, 0);
    for (int tick = 0; tick < 2048; ++tick) {
        Tick();
    }
    EXPECT_EQ(Text(d::kStatus), "* COMPLETE *");
    EXPECT_EQ(Text(d::kResult), "Checksum OK: Rom= 1212  Calc= 1212");
    EXPECT_EQ(DumpFile(), std::string(0x8000, '\0') + Memory(0x8000, 0x8000));

    // A pre-fill above 64 KiB is cut.
    Fill("0", "0", "20000");
    window.messageBoxAnswers.push_back(MessageBoxResult::Yes);
    logic.OnCommand(d::kStart, 0);
    EXPECT_EQ(Text(d::kSummary).substr(0, 24), "Prefill bytes:  \t0x10000");
    EXPECT_EQ(std::filesystem::file_size(context.dumpFileName), 0x10000U);
}

TEST_F(DumpDialog, DuringADumpStartIsRefusedAndUnitButtonsActAtOnce) {
    Fill("8000", "100", "0");
    logic.OnCommand(d::kStart, 0);
    Tick();

    // Enter may still send Start; it neither asks about the file nor rewinds the dump.
    Fill("0", "10", "0");
    logic.OnCommand(d::kStart, 0);
    EXPECT_TRUE(window.messageBoxes.empty());
    logic.OnCommand(d::kUnitTcu, 0);
    EXPECT_EQ(context.unitType, UnitType::Tcu);
    device.ClearTrace();
    Tick();
    EXPECT_EQ(device.Writes().front(), (fakes::Bytes{0x45, 0x80, 0x10, 0x00}));
    logic.OnCommand(d::kUnitEcu, 0);
    EXPECT_EQ(context.unitType, UnitType::Ecu);
}

TEST_F(DumpDialog, ExitDuringADumpKeepsThePartWritten) {
    Fill("8000", "8000", "4");
    logic.OnCommand(d::kStart, 0);
    Tick();
    Tick();

    logic.OnCommand(d::kExit, 0);

    EXPECT_EQ(window.closeRequests, 1);
    EXPECT_FALSE(state.running);
    EXPECT_EQ(DumpFile(), std::string(4, '\0') + Memory(0x8000, 32));
    EXPECT_NE(Text(d::kStatus), "* COMPLETE *");
    EXPECT_EQ(window.beeps, 0);
    EXPECT_TRUE(window.messageBoxes.empty());
}

TEST_F(DumpDialog, ExitWhileAChunkIsUnderWayClosesWhenItHasEnded) {
    fakes::ManualWorker slowLine;
    context.worker = &slowLine;
    Fill("8000", "8000", "0");
    logic.OnCommand(d::kStart, 0);
    Tick();
    // Ticks while the chunk is under way start no other read.
    Tick();
    EXPECT_EQ(slowLine.Waiting(), 1U);

    logic.OnCommand(d::kExit, 0);
    EXPECT_EQ(window.closeRequests, 0);
    ASSERT_TRUE(slowLine.RunNext());
    EXPECT_EQ(window.closeRequests, 1);
    EXPECT_FALSE(state.running);
    EXPECT_EQ(DumpFile(), Memory(0x8000, 16));
    EXPECT_FALSE(slowLine.RunNext());
}

TEST_F(DumpDialog, RefusedOverwriteLeavesTheFileAndStartsNothing) {
    WriteWholeFile(context.dumpFileName, "keep me");
    Fill("8000", "10", "0");
    window.messageBoxAnswers.push_back(MessageBoxResult::No);

    logic.OnCommand(d::kStart, 0);

    ASSERT_EQ(window.messageBoxes.size(), 1U);
    EXPECT_EQ(window.messageBoxes[0].text, "Overwrite existing file?");
    EXPECT_EQ(window.messageBoxes[0].caption, "Dump file exists");
    EXPECT_EQ(window.messageBoxes[0].style, MessageBoxStyle::YesNoExclamation);
    Tick();
    EXPECT_EQ(DumpFile(), "keep me");
    EXPECT_EQ(Text(d::kStatus), "Inactive");
    EXPECT_TRUE(device.Trace().empty());
    EXPECT_EQ(InputsEnabled(), 5);

    window.messageBoxAnswers.push_back(MessageBoxResult::Yes);
    logic.OnCommand(d::kStart, 0);
    Tick();
    EXPECT_EQ(DumpFile(), Memory(0x8000, 16));
}

TEST_F(DumpDialog, FileThatCannotBeCreatedIsReported) {
    window.SetText(d::kOutputFile, folder.File("missing/romdump.bin"));
    Fill("8000", "10", "0");

    logic.OnCommand(d::kStart, 0);

    ASSERT_EQ(window.messageBoxes.size(), 1U);
    EXPECT_EQ(window.messageBoxes[0].text, "Can't open output file");
    EXPECT_EQ(window.messageBoxes[0].caption, "RomDump error...");
    EXPECT_EQ(context.dumpFileName, folder.File("missing/romdump.bin"));
    EXPECT_EQ(InputsEnabled(), 5);
}

TEST_F(DumpDialog, WriteFailuresStopTheDumpWithoutCompletion) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    window.SetText(d::kOutputFile, "/dev/full");
    window.messageBoxAnswers.assign(3, MessageBoxResult::Yes); // it exists
    Fill("8000", "8000", "8000");
    logic.OnCommand(d::kStart, 0);
    ASSERT_EQ(window.messageBoxes.size(), 2U);
    EXPECT_EQ(window.messageBoxes[1].caption, "RomDump error...");
    EXPECT_EQ(Text(d::kStatus), "Inactive");
    EXPECT_FALSE(state.running);

    Fill("8000", "8000", "0");
    logic.OnCommand(d::kStart, 0);
    ASSERT_EQ(InputsEnabled(), 0);
    Tick();
    ASSERT_EQ(window.messageBoxes.size(), 4U);
    EXPECT_EQ(window.messageBoxes[3].caption, "RomDump error...");
    EXPECT_EQ(window.messageBoxes[3].text.rfind("Can't write output file", 0), 0U);
    EXPECT_EQ(Text(d::kResult).rfind("** WRITE FAILED **", 0), 0U);
    EXPECT_NE(Text(d::kStatus), "* COMPLETE *");
    EXPECT_EQ(window.beeps, 0);
    EXPECT_EQ(InputsEnabled(), 5);
    EXPECT_FALSE(state.running);
    Tick();
    EXPECT_EQ(window.messageBoxes.size(), 4U);
}

TEST_F(DumpDialog, BrowseSuggestsTheFileNameAndShowsTheChoice) {
    window.fileAnswers.push_back(std::nullopt);
    window.fileAnswers.push_back(folder.File("other.bin"));

    logic.OnCommand(d::kBrowse, 0);
    EXPECT_EQ(context.dumpFileName, folder.File("romdump.bin"));
    logic.OnCommand(d::kBrowse, 0);

    ASSERT_EQ(window.fileDialogs.size(), 2U);
    EXPECT_EQ(window.fileDialogs[0].suggestion, "romdump.bin");
    EXPECT_EQ(window.fileDialogs[0].title, "Select RomDump File");
    EXPECT_EQ(window.fileDialogs[0].kind, FileDialogKind::NewOrExistingFile);
    EXPECT_EQ(window.fileDialogs[0].initialFolder, context.programDirectory);
    EXPECT_EQ(window.fileDialogs[0].filter,
              (FileFilter{{"Binary files (bin,hex)", "*.bin;*.hex"}, {"All files", "*.*"}}));
    EXPECT_EQ(context.dumpFileName, folder.File("other.bin"));
    EXPECT_EQ(Text(d::kOutputFile), folder.File("other.bin"));
}

TEST_F(DumpDialog, FieldsThatAreNoNumberKeepThePreviousDumpsValuesAcrossDialogs) {
    Fill("0x1000", "20", "0");
    logic.OnCommand(d::kStart, 0);
    Tick();
    logic.OnCommand(d::kExit, 0);

    FakeWindow again;
    DumpDialogLogic reopened(again, context, state);
    reopened.OnCreate();
    again.SetText(d::kStartAddress, "zz");
    again.SetText(d::kBytesToRead, "");
    again.SetText(d::kPrefill, "nothing");
    again.SetText(d::kOutputFile, folder.File("second.bin"));
    reopened.OnCommand(d::kStart, 0);
    EXPECT_EQ(again.GetText(d::kSummary),
              "Prefill bytes:  \t0x0000\nStart address:  \t0x1000\nNo. of bytes:   \t0x0020\n");
}

} // namespace
} // namespace korvane

#include "romtools/rom_dumper.h"

#include "link/fake_device.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace korvane {
namespace {

using testing::ReadWholeFile;
using Result = RomDumper::StepResult;

class DumpEngine : public ::testing::Test {
protected:
    DumpEngine() {
        for (std::size_t address = 0; address < memory.size(); ++address) {
            memory[address] = static_cast<std::uint8_t>(address ^ (address >> 8));
        }
        device.SetResponder(fakes::MemoryResponder(memory));
    }

    std::string Memory(std::uint32_t from, std::uint32_t count) const {
        return std::string(memory.begin() + from, memory.begin() + from + count);
    }
    // Read frames sent, by their addresses.
    std::vector<std::uint32_t> FramesSent() const {
        std::vector<std::uint32_t> addresses;
        for (const auto& frame : device.Writes()) {
            if (frame.size() == 4 && frame[0] == 0x78) {
                addresses.push_back(static_cast<std::uint32_t>(frame[1] << 8 | frame[2]));
            }
        }
        return addresses;
    }

    std::vector<std::uint8_t> memory = std::vector<std::uint8_t>(0x10000);
    fakes::FakeDevice device;
    testing::ScratchFolder folder;
    std::string path = folder.File("dump.bin");
    std::uint32_t now = 1000;
    DumpState state;
    RomDumper dumper{state, [this] { return now; }};
};

TEST_F(DumpEngine, ReadsChunksOfSixteenThenTheRestAndCompletes) {
    dumper.Configure(0x8000, 0x15, 0);
    ASSERT_EQ(dumper.Begin(path), RomDumper::BeginResult::Started);
    EXPECT_TRUE(dumper.Running());

    EXPECT_EQ(dumper.Step(device.Link()), Result::ChunkRead);
    EXPECT_EQ(state.bytesDone, 16U);
    EXPECT_EQ(state.currentAddress, 0x8010U);
    EXPECT_EQ(FramesSent().size(), 16U);

    EXPECT_EQ(dumper.Step(device.Link()), Result::Completed);
    EXPECT_FALSE(dumper.Running());
    EXPECT_EQ(FramesSent().size(), 0x15U);
    EXPECT_EQ(FramesSent().back(), 0x8014U);
    EXPECT_EQ(ReadWholeFile(path), Memory(0x8000, 0x15));
    // Neither 32 nor 64 KiB: no checksum.
    EXPECT_FALSE(dumper.FinalChecksums().has_value());
    EXPECT_EQ(dumper.Step(device.Link()), Result::NotRunning);
}

TEST_F(DumpEngine, FailedReadIsRetriedWithoutAdvancing) {
    dumper.Configure(0x4000, 0x20, 0);
    ASSERT_EQ(dumper.Begin(path), RomDumper::BeginResult::Started);
    dumper.Step(device.Link());
    device.SetClosed(true);

    EXPECT_EQ(dumper.Step(device.Link()), Result::ReadFailed);
    EXPECT_EQ(state.bytesDone, 16U);
    EXPECT_EQ(state.currentAddress, 0x4010U);
    EXPECT_EQ(ReadWholeFile(path), Memory(0x4000, 16));

    device.SetClosed(false);
    device.ClearTrace();
    EXPECT_EQ(dumper.Step(device.Link()), Result::Completed);
    EXPECT_EQ(FramesSent().front(), 0x4010U);
    EXPECT_EQ(ReadWholeFile(path), Memory(0x4000, 0x20));
}

TEST_F(DumpEngine, DefaultDumpMakesA64KiBImageCheckedOverTheHalfRead) {
    // One byte 0x12 gives sum and exclusive-or 0x12; the stored value says the same.
    std::fill(memory.begin() + 0x8000, memory.end(), 0);
    memory[0x8006] = 0x12;
    memory[0x8007] = 0x12;
    memory[0x9000] = 0x12;
    dumper.Configure(0x8000, 0x8000, 0x8000);
    ASSERT_EQ(dumper.Begin(path), RomDumper::BeginResult::Started);

    int steps = 0;
    while (dumper.Step(device.Link()) == Result::ChunkRead) {
        ++steps;
    }

    EXPECT_EQ(steps + 1, 2048);
    EXPECT_EQ(std::filesystem::file_size(path), 0x10000U);
    EXPECT_EQ(ReadWholeFile(path), std::string(0x8000, '\0') + Memory(0x8000, 0x8000));
    ASSERT_TRUE(dumper.FinalChecksums().has_value());
    EXPECT_EQ(dumper.FinalChecksums()->stored, 0x1212);
    EXPECT_EQ(dumper.FinalChecksums()->calculated, 0x1212);
}

TEST_F(DumpEngine, ByteCountZeroCompletesAtTheFirstStep) {
    dumper.Configure(0x8000, 0, 0x8000);
    ASSERT_EQ(dumper.Begin(path), RomDumper::BeginResult::Started);

    EXPECT_EQ(dumper.Step(device.Link()), Result::Completed);
    EXPECT_TRUE(FramesSent().empty());
    // The pre-fill alone is a 32 KiB image of zeros, whose checksums agree.
    ASSERT_TRUE(dumper.FinalChecksums().has_value());
    EXPECT_TRUE(dumper.FinalChecksums()->Agree());
}

TEST_F(DumpEngine, PrefillAbove64KiBIsCut) {
    dumper.Configure(0, 0, 0x20000);
    EXPECT_EQ(state.prefillCount, 0x10000U);
    ASSERT_EQ(dumper.Begin(path), RomDumper::BeginResult::Started);
    EXPECT_EQ(std::filesystem::file_size(path), 0x10000U);
}

TEST_F(DumpEngine, StopKeepsThePartWritten) {
    dumper.Configure(0x8000, 0x100, 4);
    ASSERT_EQ(dumper.Begin(path), RomDumper::BeginResult::Started);
    dumper.Step(device.Link());
    dumper.Step(device.Link());

    EXPECT_TRUE(dumper.Stop());

    EXPECT_FALSE(dumper.Running());
    EXPECT_EQ(ReadWholeFile(path), std::string(4, '\0') + Memory(0x8000, 32));
    EXPECT_EQ(dumper.Step(device.Link()), Result::NotRunning);
}

TEST_F(DumpEngine, CannotCreateAFileInAMissingFolder) {
    dumper.Configure(0x8000, 0x10, 0);
    EXPECT_EQ(dumper.Begin(folder.File("missing/dump.bin")), RomDumper::BeginResult::CannotCreate);
    EXPECT_FALSE(dumper.Running());
    EXPECT_TRUE(dumper.FileError());
}

TEST_F(DumpEngine, WriteFailureEndsTheDump) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    dumper.Configure(0x8000, 0x40, 0);
    ASSERT_EQ(dumper.Begin("/dev/full"), RomDumper::BeginResult::Started);

    EXPECT_EQ(dumper.Step(device.Link()), Result::WriteFailed);

    EXPECT_FALSE(dumper.Running());
    EXPECT_EQ(state.bytesDone, 0U);
    EXPECT_EQ(dumper.FileError(), std::errc::no_space_on_device);
    EXPECT_EQ(dumper.Step(device.Link()), Result::NotRunning);
}

TEST_F(DumpEngine, PrefillWriteFailureStartsNoDump) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    dumper.Configure(0x8000, 0x40, 0x100);
    EXPECT_EQ(dumper.Begin("/dev/full"), RomDumper::BeginResult::PrefillFailed);
    EXPECT_FALSE(dumper.Running());
    EXPECT_EQ(dumper.FileError(), std::errc::no_space_on_device);
}

TEST_F(DumpEngine, TimesComeFromTheTickClock) {
    dumper.Configure(0x8000, 0x8000, 0);
    ASSERT_EQ(dumper.Begin(path), RomDumper::BeginResult::Started);
    // The first step fixes the start; a failed read leaves nothing to estimate from.
    device.SetClosed(true);
    dumper.Step(device.Link());
    EXPECT_EQ(dumper.Times().estimateSec, 0);
    device.SetClosed(false);
    now += 1000;
    dumper.Step(device.Link());
    EXPECT_EQ(dumper.Times().estimateSec, 2048);
    EXPECT_EQ(dumper.Times().elapsedSec, 1);
    EXPECT_EQ(dumper.Times().remainingSec, 2047);
}

} // namespace
} // namespace korvane

// The memory dump dialog and the Blocks sweep of Read Memory, driven through their window
// logic against the simulated car holding a program image of our own.

#include "car_in_window.h"

#include "app/application.h"
#include "resources/control_ids.h"
#include "text/format_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace korvane::integration {
namespace {

namespace m = ids::main;
namespace d = ids::dump;

// A 32 KiB image of random bytes, written as the simulator's program; returns its bytes.
std::string WriteRom(const fakes::TempFolder& folder) {
    std::mt19937 random(7);
    std::string rom(0x8000, '\0');
    for (char& byte : rom) {
        byte = static_cast<char>(random() & 0xFF);
    }
    folder.Write("rom.bin", rom);
    return rom;
}

std::string RomByte(const std::string& rom, unsigned address) {
    return FormatText("%02X",
                      static_cast<unsigned>(static_cast<unsigned char>(rom[address - 0x8000])));
}

TEST(MemoryToolsOnSimulator, DumpDialogCopiesTheProgramByteForByte) {
    CarInWindow car;
    const std::string rom = WriteRom(car.Folder());
    ASSERT_TRUE(car.StartCar({"--fast", "--rom", car.Folder().Path("rom.bin")}));
    car.CreateWindow();
    ASSERT_EQ(car.window.GetText(m::kPortStatus), "Ok");

    const std::string dumpPath = car.Folder().Path("dump.bin");
    fakes::FakeWindow dialogWindow;
    int ticks = 0;
    car.window.onModal = [&](int templateId) {
        if (templateId != ids::kDumpTemplate) {
            return;
        }
        auto dialog = MakeWindowLogicFactory(car.context)(templateId, dialogWindow);
        dialog->OnCreate();
        dialogWindow.SetText(d::kStartAddress, "8000");
        dialogWindow.SetText(d::kBytesToRead, "40");
        dialogWindow.SetText(d::kPrefill, "10");
        dialogWindow.SetText(d::kOutputFile, dumpPath);
        dialog->OnCommand(d::kStart, 0);
        // Four chunks of 16 bytes; a failed chunk would be retried at a later tick.
        while (ticks < 10 && dialogWindow.GetText(d::kStatus) != "* COMPLETE *") {
            dialog->OnTimer();
            ++ticks;
        }
        dialog->OnCommand(d::kExit, 0);
    };
    car.Command(ids::kMenuDumpMemory);

    EXPECT_EQ(ticks, 4);
    EXPECT_EQ(dialogWindow.GetText(d::kStatus), "* COMPLETE *");
    EXPECT_EQ(dialogWindow.beeps, 1);
    EXPECT_EQ(car.Folder().Read("dump.bin"), std::string(0x10, '\0') + rom.substr(0, 0x40));
    EXPECT_TRUE(car.window.IsChecked(m::kUnitEcu));
}

TEST(MemoryToolsOnSimulator, BlocksSweepShowsTheProgramBlockByBlock) {
    CarInWindow car;
    const std::string rom = WriteRom(car.Folder());
    ASSERT_TRUE(car.StartCar({"--fast", "--rom", car.Folder().Path("rom.bin")}));
    car.CreateWindow();
    car.window.SetText(m::kMemAddressEdit, "801A");
    car.window.SetText(m::kMemCountEdit, "3");
    car.Command(m::kModeBlocks);
    car.Command(m::kMemRead);

    const auto blockLine = [&rom](unsigned base, char marker, bool read) {
        std::string line = FormatText("%04X%c", base, marker);
        for (unsigned i = 0; i < 16; ++i) {
            line += "\t" + (read ? RomByte(rom, base + i) : std::string("--"));
        }
        return line;
    };
    std::string header;
    for (unsigned column = 0; column < 16; ++column) {
        header += FormatText("\t%02X", column);
    }

    car.Tick();
    EXPECT_EQ(car.MemList(), (std::vector<std::string>{
                                 "Bytes read: 16  Count: 0", header, blockLine(0x8010, '>', true),
                                 blockLine(0x8020, ' ', false), blockLine(0x8030, ' ', false)}));
    car.Tick();
    car.Tick();
    EXPECT_EQ(car.MemList(), (std::vector<std::string>{
                                 "Bytes read: 16  Count: 2", header, blockLine(0x8010, ' ', true),
                                 blockLine(0x8020, ' ', true), blockLine(0x8030, '>', true)}));
    // Without Repeat the sweep ends after its last block.
    EXPECT_EQ(car.context.runState, RunState::Idle);
    EXPECT_TRUE(car.window.IsEnabled(m::kMemRead));
}

} // namespace
} // namespace korvane::integration

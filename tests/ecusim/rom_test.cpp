// The units' program images: generated ones carry a valid checksum, loaded ones are served.

#include "sim_line.h"

#include "rom_image.h"

#include <gtest/gtest.h>

namespace korvane::ecusim::testing {
namespace {

// Reads ECU memory one frame per address, as a dump does; short when a reply does not come.
Bytes ReadEcu(SimLine& sim, std::uint32_t start, std::uint32_t count) {
    Bytes bytes;
    for (std::uint32_t address = start; address < start + count; ++address) {
        if (!sim.Send(EcuRead(static_cast<std::uint16_t>(address)))) {
            break;
        }
        const auto reply = sim.ReplyStarting(
            {static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address)});
        if (!reply) {
            break;
        }
        bytes.push_back((*reply)[2]);
    }
    return bytes;
}

// Reading all 32 KiB one frame at a time would make the suite slow; the header, the end and
// a spread of addresses read over the line must match the image generated here, whose
// checksum is then checked in full.
TEST(Rom, ProgramServedOverTheLineHasAValidChecksum) {
    SimLine sim;
    ASSERT_TRUE(sim.Start({"--fast", "--seed", "7", "--romid", "3C4D5E"}));
    const std::vector<std::uint8_t> image = GenerateRomImage(7, RomIdBytes{0x3C, 0x4D, 0x5E});
    ASSERT_EQ(image.size(), kRomSize);
    EXPECT_EQ(StoredRomChecksum(image), CalculateRomChecksum(image));

    EXPECT_EQ(ReadEcu(sim, kRomStart, 0x100), Bytes(image.begin(), image.begin() + 0x100));
    EXPECT_EQ(ReadEcu(sim, 0xFF00, 0x100), Bytes(image.end() - 0x100, image.end()));
    for (std::uint32_t offset = 0x100; offset < 0x7F00; offset += 0x61) {
        EXPECT_EQ(ReadEcu(sim, kRomStart + offset, 1), Bytes{image[offset]}) << offset;
    }
}

TEST(Rom, ImagesOf32Or64KiBFillTheProgramAreaAndOthersAreRefused) {
    ScratchFolder folder;
    const auto imageOf = [&folder](std::size_t size) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<char>(i * 7 + (i >> 8));
        }
        return folder.Write("image.bin", bytes);
    };
    for (const std::size_t size : {0x8000, 0x10000}) {
        SimLine sim;
        ASSERT_TRUE(sim.Start({"--fast", "--rom", imageOf(size)}));
        // A 64 KiB image gives its last half.
        const std::string served = folder.Read("image.bin").substr(size - 0x8000);
        EXPECT_EQ(ReadEcu(sim, 0x8000, 4), Bytes(served.begin(), served.begin() + 4)) << size;
        EXPECT_EQ(ReadEcu(sim, 0xFFFF, 1), Bytes(served.end() - 1, served.end())) << size;
    }
    for (const std::size_t size : {0x7FFF, 0x8001, 0x10001, 0}) {
        SimProcess process;
        EXPECT_FALSE(process.Start({"--rom", size > 0 ? imageOf(size) : folder.Path("none.bin")}))
            << size;
        EXPECT_EQ(process.WaitForExit(kArrivalLimit), 1) << size;
    }
}

} // namespace
} // namespace korvane::ecusim::testing

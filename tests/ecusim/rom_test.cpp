// The units' program images: generated ones carry a valid checksum, loaded ones are served.

#include "sim_fixture.h"

#include "rom_image.h"
#include "simulated_car.h"

#include <gtest/gtest.h>

#include <fstream>

namespace korvane::ecusim::testing {
namespace {

// Reads ECU memory one frame per address, as a dump does.
std::optional<Bytes> ReadEcuRange(RunningSim& sim, std::uint32_t start, std::uint32_t count) {
    Bytes bytes;
    for (std::uint32_t address = start; address < start + count; ++address) {
        const auto high = static_cast<std::uint8_t>(address >> 8);
        const auto low = static_cast<std::uint8_t>(address & 0xFF);
        if (!sim.Send(EcuRead(static_cast<std::uint16_t>(address)))) {
            return std::nullopt;
        }
        const std::optional<ReplyBytes> reply = sim.ReplyEchoing(high, low);
        if (!reply) {
            return std::nullopt;
        }
        bytes.push_back((*reply)[2]);
    }
    return bytes;
}

// Reading all 32 KiB one frame at a time would make the suite slow; the header, the end and
// a spread of addresses read over the line must match the image generated here, whose
// checksum is then checked in full.
TEST(RomTest, ProgramServedOverTheLineHasAValidChecksum) {
    RunningSim sim;
    ASSERT_TRUE(sim.Start({"--fast", "--seed", "7", "--romid", "3C4D5E"}));
    const std::vector<std::uint8_t> image = GenerateRomImage(7, RomIdBytes{0x3C, 0x4D, 0x5E});
    ASSERT_EQ(image.size(), kRomSize);
    EXPECT_EQ(StoredRomChecksum(image), CalculateRomChecksum(image));

    const std::optional<Bytes> head = ReadEcuRange(sim, kRomStart, 0x100);
    ASSERT_TRUE(head);
    EXPECT_EQ(*head, Bytes(image.begin(), image.begin() + 0x100));
    const std::optional<Bytes> tail = ReadEcuRange(sim, 0xFF00, 0x100);
    ASSERT_TRUE(tail);
    EXPECT_EQ(*tail, Bytes(image.end() - 0x100, image.end()));
    for (std::uint32_t offset = 0x100; offset < 0x7F00; offset += 0x61) {
        const std::optional<Bytes> byte = ReadEcuRange(sim, kRomStart + offset, 1);
        ASSERT_TRUE(byte);
        EXPECT_EQ((*byte)[0], image[offset]) << "offset " << offset;
    }
}

class RomFileTest : public ::testing::Test {
protected:
    std::string WriteImage(std::size_t size) {
        std::string path = folder.Path().string() + "/image.bin";
        std::vector<char> bytes(size);
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<char>((i * 7 + (i >> 8)) & 0xFF);
        }
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(size));
        return path;
    }
    static std::uint8_t PatternAt(std::size_t offset) {
        return static_cast<std::uint8_t>((offset * 7 + (offset >> 8)) & 0xFF);
    }
    ScratchFolder folder;
};

TEST_F(RomFileTest, ImagesOf32Or64KiBFillTheProgramAreaAndOthersAreRefused) {
    for (const std::size_t size : {0x8000, 0x10000}) {
        RunningSim sim;
        ASSERT_TRUE(sim.Start({"--fast", "--rom", WriteImage(size)}));
        const std::size_t offset = size - 0x8000; // a 64 KiB image gives its last half
        const std::optional<Bytes> bytes = ReadEcuRange(sim, 0x8000, 4);
        ASSERT_TRUE(bytes);
        for (std::size_t i = 0; i < bytes->size(); ++i) {
            EXPECT_EQ((*bytes)[i], PatternAt(offset + i)) << size;
        }
        const std::optional<Bytes> last = ReadEcuRange(sim, 0xFFFF, 1);
        ASSERT_TRUE(last);
        EXPECT_EQ((*last)[0], PatternAt(size - 1)) << size;
    }
    for (const std::size_t size : {0x7FFF, 0x8001, 0x10001}) {
        SimProcess process;
        EXPECT_FALSE(process.Start({"--rom", WriteImage(size)})) << size;
        EXPECT_EQ(process.WaitForExit(kArrivalLimit), 1) << size;
    }
    SimProcess missing;
    EXPECT_FALSE(missing.Start({"--rom", folder.Path().string() + "/none.bin"}));
    EXPECT_EQ(missing.WaitForExit(kArrivalLimit), 1);
}

} // namespace
} // namespace korvane::ecusim::testing

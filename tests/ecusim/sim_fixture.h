#pragma once

#include "sim_process.h"
#include "test_line.h"

#include "support/scratch_folder.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace korvane::ecusim::testing {

using korvane::testing::ReadWholeFile;
using korvane::testing::ScratchFolder;

using Bytes = std::vector<std::uint8_t>;
using ReplyBytes = std::array<std::uint8_t, 3>;

// Generous: only a hang, never a slow machine, should run into these.
inline constexpr std::chrono::milliseconds kArrivalLimit{3000};
// How long a test watches for bytes that must not come.
inline constexpr std::chrono::milliseconds kQuietWindow{300};
// Replies of an earlier stream a reader may still find before the one it waits for. One is
// usual; a loaded machine that wakes the simulator late may leave a few more. Far fewer
// than a simulator that ignored its reader would send meanwhile.
inline constexpr int kStaleLimit = 8;

// A started simulator with the test's line open at 1953 8E1.
class RunningSim {
public:
    // False when the simulator did not start or its pty would not open.
    bool Start(const std::vector<std::string>& arguments,
               const std::map<std::string, std::string>& environment = {});

    SimProcess& Process() { return process_; }
    TestLine& Line() { return line_; }

    bool Send(const Bytes& bytes) { return line_.Write(bytes); }
    // The next 3 bytes; nullopt when they do not come.
    std::optional<ReplyBytes> NextReply();
    // Reads replies until one begins with the two echo bytes, allowing stale ones before it
    // (they must be whole replies); nullopt otherwise.
    std::optional<ReplyBytes> ReplyEchoing(std::uint8_t first, std::uint8_t second,
                                           int staleAllowed = kStaleLimit);
    // Reads replies until this very reply comes; false otherwise.
    bool AwaitReply(const ReplyBytes& expected);
    // Stop frame, a pause and a purge, as the program ends its exchanges.
    void StopAndPurge();
    // True when nothing arrives during the quiet window.
    bool StaysQuiet();

private:
    SimProcess process_;
    TestLine line_;
};

Bytes EcuRead(std::uint16_t address);
Bytes ShortRead(std::uint8_t command, std::uint8_t address);
Bytes WriteRequest(std::uint16_t address, std::uint8_t data);
inline const Bytes kStopFrame = {0x12, 0x00, 0x00, 0x00};
inline const Bytes kRomIdRequest = {0x00, 0x46, 0x48, 0x49};

} // namespace korvane::ecusim::testing

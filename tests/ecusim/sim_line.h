#pragma once

#include "sim_process.h"

#include "support/scratch_folder.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane::ecusim::testing {

using korvane::testing::ReadWholeFile;
using korvane::testing::ScratchFolder;

using Bytes = std::vector<std::uint8_t>;
using ReplyBytes = std::array<std::uint8_t, 3>;

// Generous: only a hang, never a slow machine, should run into this.
inline constexpr std::chrono::milliseconds kArrivalLimit{3000};
// How long a test watches for bytes that must not come.
inline constexpr std::chrono::milliseconds kQuietWindow{300};

struct LineSetup {
    unsigned baud = 1953;
    bool parity = true;
    bool oddParity = false;
    bool twoStopBits = false;
};

// A started simulator and the reader's end of its pty, driven with plain termios calls.
class SimLine {
public:
    SimLine() = default;
    SimLine(const SimLine&) = delete;
    SimLine& operator=(const SimLine&) = delete;
    ~SimLine();

    // Starts the simulator and opens its pty with the setup given, or as the pty is when
    // there is none. False when either fails.
    bool Start(const std::vector<std::string>& arguments,
               const std::optional<LineSetup>& setup = LineSetup{});
    bool Configure(const LineSetup& setup);
    SimProcess& Process() { return process_; }

    // Sends frames written as hex words, such as "78123400 12000000".
    bool Send(const std::string& frames);
    // Up to count bytes: fewer only when the limit passes.
    Bytes Read(std::size_t count, std::chrono::milliseconds limit = kArrivalLimit);
    // The next 3 bytes; nullopt when they do not come.
    std::optional<ReplyBytes> NextReply();
    // Reads replies until one begins with the given bytes (an echo, or a whole reply). Those
    // of an earlier stream may come first, as many as a simulator woken late has sent; they
    // must be whole replies. Nullopt when none comes within the arrival limit.
    std::optional<ReplyBytes> ReplyStarting(const Bytes& start);
    // Stop frame, a pause and a purge, as the program ends its exchanges.
    void StopAndPurge();
    // Bytes that arrived and wait to be read.
    int Waiting() const;

private:
    SimProcess process_;
    int fd_ = -1;
};

// The engine unit's read frame for the address, as a hex word.
std::string EcuRead(std::uint16_t address);

} // namespace korvane::ecusim::testing

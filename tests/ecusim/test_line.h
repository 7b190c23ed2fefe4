#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace korvane::ecusim::testing {

struct LineSetup {
    unsigned baud = 1953;
    bool parity = true;
    bool oddParity = false;
    bool twoStopBits = false;
};

// The reader's end of the simulator's pty, driven with plain termios calls.
class TestLine {
public:
    TestLine() = default;
    TestLine(const TestLine&) = delete;
    TestLine& operator=(const TestLine&) = delete;
    ~TestLine();

    bool Open(const std::string& path, const LineSetup& setup = {});
    // Opens without touching the settings the terminal already has.
    bool OpenAsIs(const std::string& path);
    bool Configure(const LineSetup& setup);
    bool Write(const std::vector<std::uint8_t>& bytes);
    // Up to count bytes: returns early only when the limit passes.
    std::vector<std::uint8_t> Read(std::size_t count, std::chrono::milliseconds limit);
    // Bytes that arrived and wait to be read.
    int Waiting() const;
    // Drops whatever has arrived and not been read.
    void Flush();

private:
    int fd_ = -1;
};

} // namespace korvane::ecusim::testing

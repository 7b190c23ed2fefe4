#include "sim_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace korvane::ecusim::testing {

bool RunningSim::Start(const std::vector<std::string>& arguments,
                       const std::map<std::string, std::string>& environment) {
    return process_.Start(arguments, environment) && line_.Open(process_.PtyPath());
}

std::optional<ReplyBytes> RunningSim::NextReply() {
    const Bytes bytes = line_.Read(3, kArrivalLimit);
    if (bytes.size() != 3) {
        return std::nullopt;
    }
    return ReplyBytes{bytes[0], bytes[1], bytes[2]};
}

std::optional<ReplyBytes> RunningSim::ReplyEchoing(std::uint8_t first, std::uint8_t second,
                                                   int staleAllowed) {
    for (int i = 0; i <= staleAllowed; ++i) {
        const std::optional<ReplyBytes> reply = NextReply();
        if (!reply) {
            return std::nullopt;
        }
        if ((*reply)[0] == first && (*reply)[1] == second) {
            return reply;
        }
    }
    return std::nullopt;
}

bool RunningSim::AwaitReply(const ReplyBytes& expected) {
    for (int i = 0; i <= kStaleLimit; ++i) {
        if (NextReply() == expected) {
            return true;
        }
    }
    return false;
}

void RunningSim::StopAndPurge() {
    (void)line_.Write(kStopFrame);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    line_.Flush();
}

bool RunningSim::StaysQuiet() {
    return line_.Read(1, kQuietWindow).empty();
}

Bytes EcuRead(std::uint16_t address) {
    return {0x78, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address), 0};
}

Bytes ShortRead(std::uint8_t command, std::uint8_t address) {
    return {command, 0x00, address};
}

Bytes WriteRequest(std::uint16_t address, std::uint8_t data) {
    return {0xAA, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
            data};
}

} // namespace korvane::ecusim::testing

#include "fault_injector.h"

namespace korvane::ecusim {

FaultInjector::FaultInjector(const FaultSettings& settings, std::uint64_t seed)
    : settings_(settings), random_(Mix(seed, 0xFA017)) {}

std::vector<LineByte> FaultInjector::Apply(const Reply& reply) {
    std::vector<LineByte> bytes;
    bytes.reserve(reply.size() + 1);
    for (const std::uint8_t value : reply) {
        LineByte byte{value, false};
        if (random_.Chance(settings_.garble)) {
            // Never zero, so a garbled byte always differs.
            byte.value ^= static_cast<std::uint8_t>(1 + random_.Next() % 255);
        }
        byte.lost = random_.Chance(settings_.drop);
        bytes.push_back(byte);
    }
    if (random_.Chance(settings_.stray)) {
        bytes.push_back({random_.NextByte(), false});
    }
    return bytes;
}

} // namespace korvane::ecusim

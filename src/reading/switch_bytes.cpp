#include "reading/switch_bytes.h"

#include "link/read_transaction.h"
#include "text/hex_number.h"

#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace korvane {

namespace {

// The address boxes hold at most 15 characters.
constexpr std::size_t kMaxAddressText = 15;

} // namespace

std::optional<std::uint32_t> SwitchAddressFromText(std::string_view text) {
    return ParseHexAddress(text.substr(0, kMaxAddressText));
}

SwitchBytes ReadSwitchBytes(const UnitLink& link, const SwitchAddresses& addresses) {
    std::map<std::uint32_t, std::string> map;
    if (addresses.input) {
        map.emplace(*addresses.input, "byte1");
    }
    if (addresses.io) {
        map.emplace(*addresses.io, "byte2");
    }
    std::vector<std::uint8_t> bytes(map.size(), 0);
    int read = 0;
    if (!map.empty()) {
        ReadAddressSequence(link, map, bytes, &read);
    }
    const auto byteOf = [&](const std::optional<std::uint32_t>& address) {
        std::optional<std::uint8_t> byte;
        if (address) {
            const auto position = std::distance(map.begin(), map.find(*address));
            if (position < read) {
                byte = bytes[static_cast<std::size_t>(position)];
            }
        }
        return byte;
    };
    return {byteOf(addresses.input), byteOf(addresses.io)};
}

} // namespace korvane

#include "reading/write_memory.h"

#include "link/write_transaction.h"
#include "text/hex_number.h"

namespace korvane {

namespace {

// As many characters as the boxes' small text buffers hold.
constexpr std::size_t kAddressTextLength = 5;
constexpr std::size_t kDataTextLength = 3;

} // namespace

std::uint16_t WriteAddressFromText(std::string_view text) {
    const auto value = ParseHexAddress(text.substr(0, kAddressTextLength));
    return static_cast<std::uint16_t>(value.value_or(0) & 0xFFFFU);
}

std::uint8_t WriteDataFromText(std::string_view text) {
    const auto value = ParseHexAddress(text.substr(0, kDataTextLength));
    return static_cast<std::uint8_t>(value.value_or(0) & 0xFFU);
}

WriteOutcome WriteMemory(const UnitLink& link, std::uint16_t address, std::uint8_t data) {
    WriteOutcome outcome{address, data};
    outcome.reported = WriteMemoryByte(link, address, data, &outcome.answered);
    return outcome;
}

} // namespace korvane

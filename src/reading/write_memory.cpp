#include "reading/write_memory.h"

#include "app/window.h"
#include "link/write_transaction.h"
#include "reading/hex_address.h"
#include "reading/text_format.h"
#include "resources/control_ids.h"

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

std::uint8_t WriteMemoryCommand(Window& window, const UnitLink& link) {
    const std::uint16_t address =
        WriteAddressFromText(window.GetText(ids::main::kWriteAddressEdit));
    const std::uint8_t data = WriteDataFromText(window.GetText(ids::main::kWriteDataEdit));
    const std::uint8_t result = WriteMemoryByte(link, address, data);
    window.SetText(ids::main::kWriteResult, FormatText("0x%02x", static_cast<unsigned>(result)));
    return result;
}

} // namespace korvane

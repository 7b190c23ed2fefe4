#include "reading/switch_display.h"

#include "app/app_context.h"
#include "app/dialog_utils.h"
#include "app/window.h"
#include "link/read_transaction.h"
#include "reading/hex_address.h"
#include "reading/text_format.h"
#include "resources/control_ids.h"

#include <cstdint>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

namespace {

namespace m = ids::main;

// The address boxes hold at most 15 characters.
constexpr std::size_t kMaxAddressText = 15;

struct SwitchRow {
    int addressBox;
    int valueBox;
    const int* bitBoxes;
    const char* name;
};

constexpr SwitchRow kRows[2] = {
    {m::kInputSwitchAddress, m::kInputSwitchValue, m::kInputSwitchBits, "byte1"},
    {m::kIoSwitchAddress, m::kIoSwitchValue, m::kIoSwitchBits, "byte2"},
};

std::optional<std::uint32_t> RowAddress(const Window& window, const SwitchRow& row) {
    std::string text;
    GetItemText(window, row.addressBox, text);
    if (text.size() > kMaxAddressText) {
        text.resize(kMaxAddressText);
    }
    return ParseHexAddress(text);
}

void ShowRow(Window& window, const SwitchRow& row, std::optional<std::uint8_t> byte) {
    window.SetText(row.valueBox, byte ? FormatText("%02X", *byte) : std::string("--"));
    for (int bit = 0; bit < 8; ++bit) {
        std::string text = "--";
        if (byte) {
            text = ((*byte >> bit) & 1) != 0 ? "1" : "0";
        }
        window.SetText(row.bitBoxes[bit], text);
    }
}

} // namespace

void ShowSwitchBytes(Window& window, AppContext& context) {
    std::optional<std::uint32_t> addresses[2];
    std::map<std::uint32_t, std::string> map;
    for (int i = 0; i < 2; ++i) {
        addresses[i] = RowAddress(window, kRows[i]);
        if (addresses[i]) {
            map.emplace(*addresses[i], kRows[i].name);
        }
    }
    // A byte the read did not reach shows as "--", like an address that is no number.
    std::vector<std::uint8_t> bytes(map.size(), 0);
    int read = 0;
    if (!map.empty()) {
        ReadAddressSequence(UnitLinkOf(context), map, bytes, &read);
    }
    for (int i = 0; i < 2; ++i) {
        std::optional<std::uint8_t> byte;
        if (addresses[i]) {
            const auto position = std::distance(map.begin(), map.find(*addresses[i]));
            if (position < read) {
                byte = bytes[static_cast<std::size_t>(position)];
            }
        }
        ShowRow(window, kRows[i], byte);
    }
}

} // namespace korvane

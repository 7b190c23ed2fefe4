#include "app/reading_view.h"

#include "app/dialog_utils.h"
#include "app/window.h"
#include "reading/pass_texts.h"
#include "resources/control_ids.h"

#include <string>

namespace korvane {

namespace {

namespace m = ids::main;

struct SwitchRow {
    int addressBox;
    int valueBox;
    const int* bitBoxes;
};

constexpr SwitchRow kInputRow{m::kInputSwitchAddress, m::kInputSwitchValue, m::kInputSwitchBits};
constexpr SwitchRow kIoRow{m::kIoSwitchAddress, m::kIoSwitchValue, m::kIoSwitchBits};

void ShowRow(Window& window, const SwitchRow& row, const std::optional<std::uint8_t>& byte) {
    window.SetText(row.valueBox, SwitchByteText(byte));
    for (int bit = 0; bit < 8; ++bit) {
        window.SetText(row.bitBoxes[bit], SwitchBitText(byte, bit));
    }
}

std::optional<std::uint32_t> RowAddress(const Window& window, const SwitchRow& row) {
    std::string text;
    GetItemText(window, row.addressBox, text);
    return SwitchAddressFromText(text);
}

// The first entry naming the ROM ID, searching from the second entry on and wrapping round
// to the first; -1 when none does.
int FindRomIdEntry(const Window& window, const std::string& romId) {
    const int count = window.ComboCount(m::kRomIdCombo);
    for (int step = 1; step <= count; ++step) {
        const int index = step % count;
        if (EntryNamesRomId(window.ComboItemText(m::kRomIdCombo, index), romId)) {
            return index;
        }
    }
    return -1;
}

} // namespace

void ShowParameterPass(Window& window, const ParameterPassResult& pass) {
    window.ListSetLines(m::kParamList, ParameterPassLines(pass));
    if (pass.read) {
        ShowSwitchBytes(window, pass.switches);
    }
}

void ShowSwitchBytes(Window& window, const SwitchBytes& bytes) {
    ShowRow(window, kInputRow, bytes.input);
    ShowRow(window, kIoRow, bytes.io);
}

SwitchAddresses SwitchAddressesOf(const Window& window) {
    return {RowAddress(window, kInputRow), RowAddress(window, kIoRow)};
}

void ShowBytesPass(Window& window, const BytesPassResult& pass) {
    window.ListSetLines(m::kMemList, BytesPassLines(pass));
}

void ShowBlocksPass(Window& window, const BlocksPassResult& pass) {
    window.ListSetLines(m::kMemList, BlocksPassLines(pass));
}

MemoryRequest MemoryRequestOf(const Window& window) {
    return MemoryRequestFromTexts(window.GetText(m::kMemAddressEdit),
                                  window.GetText(m::kMemCountEdit));
}

void ShowRomIdOutcome(Window& window, const RomIdOutcome& outcome, const RomIdView& view) {
    if (outcome.kind == RomIdOutcome::Kind::Read) {
        ShowRomIdView(window, view);
    }
    window.SetText(m::kRomIdEdit, RomIdOutcomeText(outcome));
}

void ShowRomIdView(Window& window, const RomIdView& view) {
    // The first entry is taken too when it is the one that matches, so the combo box always
    // shows the selected ROM ID.
    if (const int entry = FindRomIdEntry(window, view.romId); entry >= 0) {
        window.ComboSetSelection(m::kRomIdCombo, entry);
    }
    window.ListSetLines(m::kParamList, view.placeholderLines);
    if (view.inputSwitchAddress) {
        window.SetText(m::kInputSwitchAddress, *view.inputSwitchAddress);
    }
    if (view.ioSwitchAddress) {
        window.SetText(m::kIoSwitchAddress, *view.ioSwitchAddress);
    }
}

void ShowWriteOutcome(Window& window, const WriteOutcome& outcome) {
    window.SetText(m::kWriteResult, WriteResultText(outcome));
}

} // namespace korvane

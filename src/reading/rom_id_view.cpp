#include "reading/rom_id_view.h"

#include "app/window.h"
#include "definitions/definition_store.h"
#include "reading/text_format.h"
#include "resources/control_ids.h"

#include <cctype>
#include <string>
#include <string_view>

namespace korvane {

namespace {

namespace m = ids::main;

// An entry is "ID" or "ID  Name": the ROM ID must be the entry's whole first word, or
// "A1B2C3" would pick "A1B2C3D4  ..." and show another unit than the one selected.
bool NamesRomId(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    if (text.size() > prefix.size() && text[prefix.size()] != ' ') {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i]))) {
            return false;
        }
    }
    return true;
}

// The first entry naming the ROM ID, ignoring case, searching from the second entry on and
// wrapping round to the first; -1 when none does.
int FindEntryStartingWith(const Window& window, int comboId, std::string_view text) {
    const int count = window.ComboCount(comboId);
    for (int step = 1; step <= count; ++step) {
        const int index = step % count;
        if (NamesRomId(window.ComboItemText(comboId, index), text)) {
            return index;
        }
    }
    return -1;
}

std::string SwitchAddressText(const RomIdGroup& group, std::string_view name,
                              const char* fallback) {
    const ParameterDefinition* parameter = group.FindParameter(name);
    if (parameter == nullptr) {
        return fallback;
    }
    return FormatText("%.*lX", 4, static_cast<unsigned long>(parameter->Address()));
}

} // namespace

void RefreshRomIdView(Window& window, const DefinitionStore& store) {
    // The first entry is taken too when it is the one that matches, so the combo box always
    // shows the selected ROM ID.
    const int entry = FindEntryStartingWith(window, m::kRomIdCombo, store.SelectedRomIdText());
    if (entry >= 0) {
        window.ComboSetSelection(m::kRomIdCombo, entry);
    }

    DefinitionStore::AddressMap map;
    store.SelectedAddressMap(map);
    window.ListReset(m::kParamList);
    for (const auto& [address, name] : map) {
        window.ListAdd(
            m::kParamList,
            FormatText("%.*lX: %s \t??", 4, static_cast<unsigned long>(address), name.c_str()));
    }

    if (const RomIdGroup* group = store.SelectedGroup(); group != nullptr) {
        window.SetText(m::kInputSwitchAddress, SwitchAddressText(*group, "InputSwitches", "0000"));
        window.SetText(m::kIoSwitchAddress, SwitchAddressText(*group, "IOSwitches", "0001"));
    }
}

} // namespace korvane

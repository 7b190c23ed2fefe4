#include "reading/rom_id_view.h"

#include "definitions/definition_store.h"
#include "text/format_text.h"
#include "text/ignore_case.h"

namespace korvane {

namespace {

std::string SwitchAddressText(const RomIdGroup& group, std::string_view name,
                              const char* fallback) {
    const ParameterDefinition* parameter = group.FindParameter(name);
    if (parameter == nullptr) {
        return fallback;
    }
    return ParameterAddressText(parameter->Address());
}

} // namespace

RomIdView MakeRomIdView(const DefinitionStore& definitions) {
    RomIdView view;
    view.romId = definitions.SelectedRomIdText();
    DefinitionStore::AddressMap map;
    definitions.SelectedAddressMap(map);
    const RomIdGroup* group = definitions.SelectedGroup();
    for (const auto& [address, name] : map) {
        const ParameterDefinition* parameter =
            group != nullptr ? group->FindParameter(name) : nullptr;
        view.parameters.push_back({address, name, parameter != nullptr ? parameter->Format() : ""});
    }
    if (group != nullptr) {
        view.inputSwitchAddress = SwitchAddressText(*group, "InputSwitches", "0000");
        view.ioSwitchAddress = SwitchAddressText(*group, "IOSwitches", "0001");
    }
    return view;
}

std::string ParameterAddressText(std::uint32_t address) {
    return FormatText("%.*lX", 4, static_cast<unsigned long>(address));
}

std::string PlaceholderLine(const RomIdParameter& parameter) {
    return FormatText("%.*lX: %s \t??", 4, static_cast<unsigned long>(parameter.address),
                      parameter.name.c_str());
}

bool EntryNamesRomId(std::string_view entry, std::string_view romId) {
    if (entry.size() < romId.size()) {
        return false;
    }
    if (entry.size() > romId.size() && entry[romId.size()] != ' ') {
        return false;
    }
    return EqualIgnoringCase(entry.substr(0, romId.size()), romId);
}

} // namespace korvane

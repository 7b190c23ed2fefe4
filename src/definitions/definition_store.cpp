#include "definitions/definition_store.h"

#include <algorithm>
#include <utility>

namespace korvane {

namespace {

std::size_t CommonPrefixLength(std::string_view a, std::string_view b) {
    const std::size_t limit = std::min(a.size(), b.size());
    std::size_t length = 0;
    while (length < limit && a[length] == b[length]) {
        ++length;
    }
    return length;
}

} // namespace

const ParameterDefinition* DefinitionStore::FindDefinition(std::string_view name) const {
    const auto entry = definitions.find(name);
    return entry == definitions.end() ? nullptr : &entry->second;
}

bool DefinitionStore::AddDefinition(ParameterDefinition definition) {
    std::string key = definition.Name();
    return definitions.try_emplace(std::move(key), std::move(definition)).second;
}

RomIdGroup& DefinitionStore::AddGroup(std::string_view romId) {
    groups.push_back(std::make_unique<RomIdGroup>(romId));
    return *groups.back();
}

int DefinitionStore::RomIdNames(std::vector<std::string>& names) const {
    for (const auto& group : groups) {
        std::string text = group->RomId();
        if (!group->Name().empty()) {
            text += "  ";
            text += group->Name();
        }
        names.push_back(std::move(text));
    }
    return static_cast<int>(names.size());
}

bool DefinitionStore::SelectRomId(std::string_view text) {
    RomIdGroup* candidate = nullptr;
    std::size_t longest = 0;
    for (const auto& group : groups) {
        const std::size_t length = CommonPrefixLength(group->RomId(), text);
        // Strictly longer only: among equals the first group in file order wins.
        if (candidate == nullptr || length > longest) {
            candidate = group.get();
            longest = length;
        }
    }
    if (candidate == nullptr || longest < kMinimumRomIdMatch) {
        return false;
    }
    selected = candidate;
    selected->Activate();
    return true;
}

bool DefinitionStore::SelectGroupAt(std::size_t index) {
    if (index >= groups.size()) {
        return false;
    }
    selected = groups[index].get();
    selected->Activate();
    return true;
}

void DefinitionStore::Clear() {
    selected = nullptr;
    groups.clear();
    definitions.clear();
    commPort = kDefaultCommPort;
}

std::string DefinitionStore::SelectedRomIdText() const {
    return selected == nullptr ? std::string("-none-") : selected->RomId();
}

int DefinitionStore::SelectedAddressMap(AddressMap& map) const {
    map.clear();
    if (selected == nullptr) {
        return 0;
    }
    for (const auto& [name, definition] : selected->Parameters()) {
        // Names ascend, so the first name to claim an address keeps it.
        map.try_emplace(definition.Address(), name);
    }
    return static_cast<int>(map.size());
}

} // namespace korvane

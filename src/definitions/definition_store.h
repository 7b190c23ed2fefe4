#pragma once

#include "definitions/parameter_definition.h"
#include "definitions/rom_id_group.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class MessageList;

// Everything known about parameters: the templates of the parameter file, the ROM-ID groups
// of the monitor file, the selected group and the preferred serial port.
class DefinitionStore {
public:
    using DefinitionMap = std::map<std::string, ParameterDefinition, std::less<>>;
    // Address to parameter name, ascending by address.
    using AddressMap = std::map<std::uint32_t, std::string>;

    static constexpr int kDefaultCommPort = 1;
    static constexpr int kMaxCommPort = 16;

    DefinitionStore() = default;
    DefinitionStore(const DefinitionStore&) = delete;
    DefinitionStore& operator=(const DefinitionStore&) = delete;
    ~DefinitionStore() = default;

    // Reads the templates of a parameter file; the number of definition lines accepted,
    // duplicates included; 0 when the file cannot be opened.
    int LoadParameterFile(const std::string& path, MessageList* messages);
    // Reads the groups and the port option of a monitor file. Load the parameter file
    // first: monitored parameters copy format and formula from its templates.
    void LoadMonitorFile(const std::string& path, MessageList* messages);

    const ParameterDefinition* FindDefinition(std::string_view name) const;
    const DefinitionMap& Definitions() const { return definitions; }
    // Enters a template unless one of its name is present. True when entered.
    bool AddDefinition(ParameterDefinition definition);

    // Always within 1..16.
    int CommPort() const { return commPort; }

    std::size_t GroupCount() const { return groups.size(); }
    RomIdGroup& GroupAt(std::size_t index) { return *groups.at(index); }
    const RomIdGroup& GroupAt(std::size_t index) const { return *groups.at(index); }
    // Appends a new group, also when one with the same ROM ID exists.
    RomIdGroup& AddGroup(std::string_view romId);

    // Appends per group, in file order, its ROM ID followed by two spaces and its name when
    // it has one. Returns the number of texts in the list.
    int RomIdNames(std::vector<std::string>& names) const;

    // Selects the first group whose ROM ID shares the longest leading run of bytes with the
    // text, activating it on its first selection. False, keeping the present selection,
    // when no group shares at least 3 bytes.
    bool SelectRomId(std::string_view text);

    // Selects the group at that place in file order, activating it on its first selection.
    // False, keeping the present selection, when there is none there.
    bool SelectGroupAt(std::size_t index);

    // The selected group's ROM ID, or "-none-".
    std::string SelectedRomIdText() const;

    // Forgets every template and group, the selection and the port option, as before the
    // first load.
    void Clear();

    RomIdGroup* SelectedGroup() { return selected; }
    const RomIdGroup* SelectedGroup() const { return selected; }

    // Fills the map with what to read for the selected group: one entry per address, taken
    // by the parameter whose name sorts first. Returns the number of entries (0 with no
    // selection).
    int SelectedAddressMap(AddressMap& map) const;

private:
    static constexpr std::size_t kMinimumRomIdMatch = 3;

    std::vector<std::unique_ptr<RomIdGroup>> groups;
    DefinitionMap definitions;
    int commPort = kDefaultCommPort;
    RomIdGroup* selected = nullptr;
};

} // namespace korvane

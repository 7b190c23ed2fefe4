#pragma once

// One text for what the definition files define, made either by the loaders or from the
// documents' entries, so that the two can be compared whole.

#include "definitions/definition_store.h"
#include "definitions/parameter_definition.h"
#include "workbench/monitor_file_document.h"
#include "workbench/parameter_file_document.h"

#include <cstdio>
#include <map>
#include <string>

namespace korvane::testing {

inline std::string ModelLine(char kind, const std::string& name, std::uint32_t address,
                             const std::string& format, const std::string& formula) {
    char number[16];
    std::snprintf(number, sizeof number, "%X", static_cast<unsigned>(address));
    return std::string(1, kind) + " " + name + "|" + number + "|" + format + "|" + formula + "\n";
}

inline std::string StoreModel(const DefinitionStore& store) {
    std::string model = "CommPort=" + std::to_string(store.CommPort()) + "\n";
    for (const auto& [name, definition] : store.Definitions()) {
        model += ModelLine('T', name, 0, definition.Format(), definition.Formula());
    }
    for (std::size_t index = 0; index < store.GroupCount(); ++index) {
        const RomIdGroup& group = store.GroupAt(index);
        model += "G " + group.RomId() + "|" + group.Name() + "\n";
        for (const auto& [name, parameter] : group.Parameters()) {
            model +=
                ModelLine('P', name, parameter.Address(), parameter.Format(), parameter.Formula());
        }
    }
    return model;
}

// As the loaders keep it: the first template and the first entry of a name.
inline std::string DocumentModel(const ParameterFileDocument& parameters,
                                 const MonitorFileDocument& monitor) {
    std::string model = "CommPort=" + std::to_string(monitor.CommPort()) + "\n";
    std::map<std::string, const ParameterLineFields*> templates;
    for (const ParameterEntry& entry : parameters.Entries()) {
        templates.try_emplace(entry.fields.name, &entry.fields);
    }
    for (const auto& [name, fields] : templates) {
        model += ModelLine('T', name, 0, fields->format, fields->formula);
    }
    for (const MonitorGroup& group : monitor.Groups()) {
        model += "G " + group.romId + "|" + group.name + "\n";
        std::map<std::string, std::uint32_t> entries;
        for (const MonitorEntry& entry : group.entries) {
            entries.try_emplace(entry.name, entry.address);
        }
        for (const auto& [name, address] : entries) {
            const auto found = templates.find(name);
            model +=
                found == templates.end()
                    ? ModelLine('P', name, address,
                                std::string(ParameterDefinition::kDefaultFormat), name)
                    : ModelLine('P', name, address, found->second->format, found->second->formula);
        }
    }
    return model;
}

} // namespace korvane::testing

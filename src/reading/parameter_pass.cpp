#include "reading/parameter_pass.h"

#include "definitions/definition_store.h"
#include "link/read_transaction.h"
#include "log/log_cell_number.h"
#include "log/log_file.h"

#include <algorithm>

namespace korvane {

ParameterPassResult ReadParametersPass(const UnitLink& link, DefinitionStore& definitions,
                                       LogFile& log, int& passCount, bool firstPass,
                                       const SwitchAddresses& switches) {
    DefinitionStore::AddressMap map;
    definitions.SelectedAddressMap(map);
    if (firstPass) {
        log.Write("*** Read Parameters ***\n");
    }
    ParameterPassResult result;
    RomIdGroup* group = definitions.SelectedGroup();
    if (map.empty() || group == nullptr) {
        return result;
    }
    result.read = true;

    std::vector<std::uint8_t> bytes(map.size(), 0);
    int read = 0;
    result.bytesRead = ReadAddressSequence(link, map, bytes, &read);
    result.passNumber = passCount++;

    // Every raw byte is stored before any formula runs, so a formula that refers to another
    // parameter sees that parameter's byte from this pass.
    std::vector<std::string> unread;
    int position = 0;
    for (const auto& [address, name] : map) {
        if (firstPass) {
            log.Write("%s,", name.c_str());
        }
        ParameterReading& parameter = result.parameters.emplace_back();
        parameter.address = address;
        parameter.name = name;
        if (position < read) {
            parameter.byte = bytes[static_cast<std::size_t>(position)];
            group->SetRawValue(name, *parameter.byte);
        } else {
            unread.push_back(name);
        }
        ++position;
    }
    if (firstPass) {
        log.Write("\n");
    }

    // A value computed from a byte this pass did not read would be a stale or made-up
    // value, so it is shown and logged as missing, like the unread parameter itself.
    for (ParameterReading& parameter : result.parameters) {
        if (parameter.byte && !group->FormulaUsesAny(parameter.name, unread)) {
            parameter.value = group->FormatValue(parameter.name);
            parameter.number = group->ResultNumber();
            log.Write("%s,", std::string(LoggedText(*parameter.value)).c_str());
        } else {
            log.Write(",");
        }
    }
    log.Write("\n");

    result.switches = ReadSwitchBytes(link, switches);
    return result;
}

} // namespace korvane

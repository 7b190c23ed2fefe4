#include "reading/read_parameters_pass.h"

#include "app/app_context.h"
#include "app/window.h"
#include "definitions/definition_store.h"
#include "link/read_transaction.h"
#include "log/log_file.h"
#include "reading/switch_display.h"
#include "reading/text_format.h"
#include "resources/control_ids.h"

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

namespace {

// A value logged as a number alone: "12.5 V" is logged as "12.5".
std::string UpToFirstSpace(const std::string& value) {
    return value.substr(0, value.find(' '));
}

} // namespace

void ReadParametersPass(Window& window, AppContext& context, bool firstPass) {
    DefinitionStore::AddressMap map;
    context.definitions->SelectedAddressMap(map);
    LogFile& log = *context.log;
    if (firstPass) {
        log.Write("*** Read Parameters ***\n");
    }
    window.ListReset(ids::main::kParamList);
    RomIdGroup* group = context.definitions->SelectedGroup();
    if (map.empty() || group == nullptr) {
        return;
    }

    // Only the positions this pass read hold bytes of the unit; after a failure the others
    // are shown as "--" and logged as empty cells, never converted from a byte nobody sent.
    std::vector<std::uint8_t> bytes(map.size(), 0);
    int read = 0;
    const int result = ReadAddressSequence(UnitLinkOf(context), map, bytes, &read);
    window.ListAdd(ids::main::kParamList,
                   FormatText("Bytes read: %d  Count: %d", result, context.parameterPassCount));
    ++context.parameterPassCount;

    // Every raw byte is stored before any formula runs, so a formula that refers to another
    // parameter sees that parameter's byte from this pass.
    int position = 0;
    for (const auto& [address, name] : map) {
        if (firstPass) {
            log.Write("%s,", name.c_str());
        }
        if (position < read) {
            group->SetRawValue(name, bytes[static_cast<std::size_t>(position)]);
        }
        ++position;
    }
    if (firstPass) {
        log.Write("\n");
    }

    position = 0;
    for (const auto& [address, name] : map) {
        std::string line;
        if (position < read) {
            const std::string value = group->FormatValue(name);
            const unsigned long raw = bytes[static_cast<std::size_t>(position)];
            line = FormatText("%.*lX \t0x%.*lX \t= %s \t%s", 4, static_cast<unsigned long>(address),
                              2, raw, name.c_str(), value.c_str());
            log.Write("%s,", UpToFirstSpace(value).c_str());
        } else {
            line = FormatText("%.*lX \t-- \t= %s \t--", 4, static_cast<unsigned long>(address),
                              name.c_str());
            log.Write(",");
        }
        ++position;
        window.ListAdd(ids::main::kParamList, line);
    }
    log.Write("\n");

    ShowSwitchBytes(window, context);
}

} // namespace korvane

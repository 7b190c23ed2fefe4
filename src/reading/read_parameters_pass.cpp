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

    // Cleared before the read: positions a failed read does not reach hold 0, never bytes
    // of an earlier pass.
    std::vector<std::uint8_t> bytes(map.size(), 0);
    const int result = ReadAddressSequence(UnitLinkOf(context), map, bytes);
    window.ListAdd(ids::main::kParamList,
                   FormatText("Bytes read: %d  Count: %d", result, context.parameterPassCount));
    ++context.parameterPassCount;

    // Every raw byte is stored before any formula runs, so a formula that refers to another
    // parameter sees that parameter's byte from this pass.
    std::size_t position = 0;
    for (const auto& [address, name] : map) {
        if (firstPass) {
            log.Write("%s,", name.c_str());
        }
        group->SetRawValue(name, bytes[position++]);
    }
    if (firstPass) {
        log.Write("\n");
    }

    position = 0;
    for (const auto& [address, name] : map) {
        const std::string value = group->FormatValue(name);
        const unsigned long raw = bytes[position++];
        const std::string line =
            FormatText("%.*lX \t0x%.*lX \t= %s \t%s", 4, static_cast<unsigned long>(address), 2,
                       raw, name.c_str(), value.c_str());
        log.Write("%s,", UpToFirstSpace(value).c_str());
        window.ListAdd(ids::main::kParamList, line);
    }
    log.Write("\n");

    ShowSwitchBytes(window, context);
}

} // namespace korvane

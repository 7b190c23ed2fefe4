// Both definition files from the fuzzer, then what the window does with them: the ROM ID
// list, each group selected, its address map, every value formatted after a raw byte.

#include "definitions/definition_store.h"
#include "definitions/message_list.h"
#include "definitions/rom_id_group.h"

#include "fuzz_files.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::uint8_t raw = input.ConsumeIntegral<std::uint8_t>();
    const std::string paramdef = input.ConsumeRandomLengthString(4096);
    const std::string monitor = input.ConsumeRemainingBytesAsString();
    fuzzing::WriteFile(fuzzing::FolderFile("paramdef.ini"), paramdef);
    fuzzing::WriteFile(fuzzing::FolderFile("SelectMonitor.ini"), monitor);

    korvane::DefinitionStore store;
    korvane::VectorMessageList messages;
    store.LoadParameterFile(fuzzing::FolderFile("paramdef.ini"), &messages);
    store.LoadMonitorFile(fuzzing::FolderFile("SelectMonitor.ini"), &messages);

    std::vector<std::string> names;
    store.RomIdNames(names);
    for (std::size_t index = 0; index < store.GroupCount(); ++index) {
        const std::string romId = store.GroupAt(index).RomId();
        if (!store.SelectRomId(romId)) {
            continue;
        }
        korvane::DefinitionStore::AddressMap map;
        store.SelectedAddressMap(map);
        korvane::RomIdGroup* group = store.SelectedGroup();
        for (const auto& [address, name] : map) {
            group->SetRawValue(name, raw);
        }
        for (const auto& [address, name] : map) {
            group->FormatValue(name);
        }
    }
    return 0;
}

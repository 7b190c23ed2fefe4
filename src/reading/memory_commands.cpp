#include "reading/memory_commands.h"

#include "app/app_context.h"
#include "app/window.h"
#include "reading/memory_tools_state.h"
#include "reading/read_memory_blocks.h"
#include "reading/read_memory_bytes.h"
#include "reading/write_memory.h"
#include "resources/control_ids.h"

namespace korvane {

namespace {

UnitLink LinkOf(const AppContext& context) {
    return UnitLink{*context.unitChannel, *context.sleeper, context.unitType};
}

} // namespace

void ReadMemoryBytesPass(Window& window, AppContext& context) {
    ReadMemoryBytesPass(window, LinkOf(context), *context.log, context.memoryTools->readMemory);
}

bool ReadMemoryBlocksPass(Window& window, AppContext& context, bool firstPass) {
    return ReadMemoryBlocksPass(window, LinkOf(context), *context.log,
                                context.memoryTools->readMemory, firstPass);
}

void ClearReadMemory(Window& window, AppContext& context) {
    context.memoryTools->readMemory.Clear();
    window.ListReset(ids::main::kMemList);
}

std::uint8_t WriteMemoryCommand(Window& window, AppContext& context) {
    return WriteMemoryCommand(window, LinkOf(context));
}

} // namespace korvane

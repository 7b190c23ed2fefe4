#include "reading/memory_commands.h"

#include "app/app_context.h"
#include "app/window.h"
#include "reading/memory_tools_state.h"
#include "reading/read_memory_blocks.h"
#include "reading/read_memory_bytes.h"
#include "reading/write_memory.h"
#include "resources/control_ids.h"

namespace korvane {

void ReadMemoryBytesPass(Window& window, AppContext& context) {
    ReadMemoryBytesPass(window, UnitLinkOf(context), *context.log, context.memoryTools->readMemory);
}

bool ReadMemoryBlocksPass(Window& window, AppContext& context, bool firstPass) {
    return ReadMemoryBlocksPass(window, UnitLinkOf(context), *context.log,
                                context.memoryTools->readMemory, firstPass);
}

void ClearReadMemory(Window& window, AppContext& context) {
    context.memoryTools->readMemory.Clear();
    window.ListReset(ids::main::kMemList);
}

std::uint8_t WriteMemoryCommand(Window& window, AppContext& context) {
    return WriteMemoryCommand(window, UnitLinkOf(context));
}

} // namespace korvane

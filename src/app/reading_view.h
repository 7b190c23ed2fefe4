#pragma once

#include "reading/parameter_pass.h"
#include "reading/read_memory_blocks.h"
#include "reading/read_memory_bytes.h"
#include "reading/rom_id_request.h"
#include "reading/rom_id_view.h"
#include "reading/switch_bytes.h"
#include "reading/write_memory.h"

namespace korvane {

class Window;

// What the main window shows of each reading, built by the same text functions that
// korvane-cli prints through.

// The Read Parameters list 3016 and, when the pass reached them, the switch rows.
void ShowParameterPass(Window& window, const ParameterPassResult& pass);
// The value box and the eight bit boxes of both switch rows.
void ShowSwitchBytes(Window& window, const SwitchBytes& bytes);
// The switch addresses as the boxes 3030 and 3040 hold them.
SwitchAddresses SwitchAddressesOf(const Window& window);

// The Read Memory list 3003.
void ShowBytesPass(Window& window, const BytesPassResult& pass);
void ShowBlocksPass(Window& window, const BlocksPassResult& pass);
// The Read Memory request as the address and count boxes hold it.
MemoryRequest MemoryRequestOf(const Window& window);

// Edit 3007 after a ROM ID request; a ROM ID read also brings the view in line with the
// selection it made.
void ShowRomIdOutcome(Window& window, const RomIdOutcome& outcome, const RomIdView& view);
// Brings the window in line with the selected ROM-ID group: its entry in combo 3015, its
// parameters with placeholders in list 3016 and its switch addresses in 3030 and 3040.
void ShowRomIdView(Window& window, const RomIdView& view);

// The Write Memory result box 3057.
void ShowWriteOutcome(Window& window, const WriteOutcome& outcome);

} // namespace korvane

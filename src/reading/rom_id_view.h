#pragma once

namespace korvane {

class Window;
class DefinitionStore;

// Brings the window in line with the selected ROM-ID group: selects its entry in combo
// 3015, lists its parameters with placeholders in list 3016 and puts its switch addresses
// into boxes 3030 and 3040 ("0000" and "0001" when it defines none). Reads nothing from
// the unit. With no group selected the address boxes keep their text.
void RefreshRomIdView(Window& window, const DefinitionStore& store);

} // namespace korvane

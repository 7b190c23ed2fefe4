#pragma once

namespace korvane {

class Window;
struct AppContext;

// The ROM ID request of a tick: asks the unit for its ROM ID and shows it in edit 3007 as
// six hexadecimal digits, then selects the matching ROM-ID group and refreshes the view.
// Shows "no comms" without any traffic when no port is open, "error" when the unit gave
// no ROM ID (the selection then stays).
void RequestAndShowRomId(Window& window, AppContext& context);

} // namespace korvane

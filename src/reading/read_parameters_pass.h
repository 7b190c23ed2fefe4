#pragma once

namespace korvane {

class Window;
struct AppContext;

// One pass of Read Parameters: reads the byte of every parameter of the selected ROM-ID
// group in one transaction, lists each converted value in list 3016, writes a row of values
// to the log (after the header and the row of names on a first pass), then reads and shows
// the two switch bytes.
void ReadParametersPass(Window& window, AppContext& context, bool firstPass);

} // namespace korvane

#pragma once

namespace korvane {

class Window;
struct AppContext;

// Reads the two switch bytes whose addresses stand in the address boxes 3030 and 3040, in
// one transaction, and shows each row's byte as two hexadecimal digits and bit by bit. Each
// row shows the byte of its own address box, whichever address is lower; when both boxes
// hold the same address both rows show that byte. A box that does not start with a
// hexadecimal number is not read and its row shows "--" throughout.
void ShowSwitchBytes(Window& window, AppContext& context);

} // namespace korvane

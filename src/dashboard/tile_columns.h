#pragma once

namespace korvane {

// How many columns `count` tiles take in an area of this size: the number that gives the
// largest tiles of a 4:3 shape, so they follow the window as it is resized. At least 1.
int TileColumns(double width, double height, int count);

} // namespace korvane

#pragma once

#include "app/qt/graph/graph_pass.h"

namespace korvane {

class GraphWindows;
class MainWindowLogic;
struct ParameterPassResult;

// The live graph's pass for what a Read Parameters pass read, at `seconds`: each
// parameter's number as the pass worked it out, none where it has none.
GraphPass GraphPassOf(const ParameterPassResult& result, double seconds);

// Hands every Read Parameters pass the main window's presenter shows to the live graph,
// timed by a clock that never goes back; the first pass of a run starts a new segment.
void FeedLiveGraph(MainWindowLogic& logic, GraphWindows& graphs);

} // namespace korvane

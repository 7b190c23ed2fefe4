#pragma once

#include "app/qt/graph/graph_pass.h"

class QWidget;

namespace korvane {

class MainWindowLogic;
struct ParameterPassResult;

// The live graph's pass for what a Read Parameters pass read, at `seconds`: each
// parameter's number as its log cell would hold it, none where it was not read.
GraphPass GraphPassOf(const ParameterPassResult& result, double seconds);

// Hands every Read Parameters pass the main window's logic shows to the live graph of
// the window `host`, timed by a clock that never goes back; the first pass of a run
// starts a new segment. Nothing happens when the window has no graph windows.
void FeedLiveGraph(MainWindowLogic& logic, QWidget& host);

} // namespace korvane

#pragma once

#include <utility>
#include <vector>

class QObject;

namespace korvane {

// The names of the dynamic properties that carry a control's numeric ID, and the ID of
// the up-down control of an edit that is one spin box with it. Tests and anyone checking
// a window against its template find controls by them; the program itself never does.
inline constexpr const char* kControlIdProperty = "controlId";
inline constexpr const char* kUpDownIdProperty = "upDownId";

// Marks each control (a widget or a menu action) with its ID.
void SetControlIds(const std::vector<std::pair<QObject*, int>>& controls);

} // namespace korvane

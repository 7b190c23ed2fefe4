#pragma once

class QLineEdit;

namespace korvane {

// Makes an edit a box that shows a value: read-only, drawn on the window's background,
// and passed over by the Tab key.
void ShowValueOnly(QLineEdit& edit);

} // namespace korvane

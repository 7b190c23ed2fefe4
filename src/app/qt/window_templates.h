#pragma once

namespace korvane {

class QtWindow;

// The controls, captions and layouts of the dialog templates. Each adds the controls in
// the template's order, which is also the Tab order.
void BuildDumpDialogTemplate(QtWindow& window);
void BuildAboutBoxTemplate(QtWindow& window);

} // namespace korvane

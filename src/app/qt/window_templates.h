#pragma once

namespace korvane {

class QtWindow;

// The controls, captions and layouts of the program's templates. Each adds the controls
// in the template's order, which is also the Tab order.
void BuildMainWindowTemplate(QtWindow& window);
void BuildDumpDialogTemplate(QtWindow& window);
void BuildAboutBoxTemplate(QtWindow& window);

// Chains the Tab order of the window's focusable controls in the order they were added.
void ApplyTemplateTabOrder(QtWindow& window);

} // namespace korvane

#pragma once

#include <QStringList>

class QKeyEvent;

namespace korvane {

// Puts lines on the clipboard, each ended by a line break, as the rows of a list copy.
void CopyLines(const QStringList& lines);

// True for the key of the platform's Copy command (Ctrl+C).
bool IsCopyKey(const QKeyEvent& event);

} // namespace korvane

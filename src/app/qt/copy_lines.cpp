#include "app/qt/copy_lines.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>

namespace korvane {

void CopyLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line + QLatin1Char('\n');
    }
    QGuiApplication::clipboard()->setText(text);
}

bool IsCopyKey(const QKeyEvent& event) {
    return event.matches(QKeySequence::Copy);
}

} // namespace korvane

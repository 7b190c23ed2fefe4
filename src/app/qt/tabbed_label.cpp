#include "app/qt/tabbed_label.h"

#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace korvane {

TabbedLabel::TabbedLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

QSize TabbedLabel::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    const DialogUnits units = DialogUnitsOf(font());
    QStringList lines = text().split(QLatin1Char('\n'));
    // A closing line break ends the last line; it starts no empty one.
    if (lines.size() > 1 && lines.back().isEmpty()) {
        lines.removeLast();
    }
    int width = 0;
    for (const QString& line : lines) {
        width = std::max(width, TabbedLineWidth(line, metrics, stops_, units));
    }
    const QMargins margins = contentsMargins();
    return {width + margins.left() + margins.right(),
            static_cast<int>(lines.size()) * metrics.lineSpacing() + margins.top() +
                margins.bottom()};
}

QSize TabbedLabel::minimumSizeHint() const {
    return sizeHint();
}

void TabbedLabel::paintEvent(QPaintEvent* event) {
    // The frame only: QLabel's own painting would draw the text without its tab stops.
    QFrame::paintEvent(event); // NOLINT(bugprone-parent-virtual-call)
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled, foregroundRole()));
    const DialogUnits units = DialogUnitsOf(font());
    const int lineHeight = fontMetrics().lineSpacing();
    const QRect area = contentsRect();
    int top = area.top();
    for (const QString& line : text().split(QLatin1Char('\n'))) {
        DrawTabbedLine(painter, QRect(area.left(), top, area.width(), lineHeight), line, stops_,
                       units);
        top += lineHeight;
    }
}

} // namespace korvane

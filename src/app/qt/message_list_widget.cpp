#include "app/qt/message_list_widget.h"

#include "app/qt/copy_lines.h"
#include "app/qt/template_geometry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QTextOption>
#include <cmath>
#include <utility>

namespace korvane {

namespace {

// Lays a line out on one row with the list's tab stops, which the style's own text drawing
// would not apply.
class TabStopDelegate : public QStyledItemDelegate {
public:
    TabStopDelegate(std::vector<int> stops, QObject* parent)
        : QStyledItemDelegate(parent), stops_(std::move(stops)) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        const QWidget* widget = item.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        const QRect rect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
        QTextLayout layout(text, item.font);
        const qreal height = LayOut(layout);
        painter->save();
        const bool selected = (item.state & QStyle::State_Selected) != 0;
        const QPalette::ColorGroup group =
            (item.state & QStyle::State_Enabled) != 0 ? QPalette::Normal : QPalette::Disabled;
        painter->setPen(
            item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        layout.draw(painter,
                    QPointF(rect.left() + kMargin, rect.top() + (rect.height() - height) / 2));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        QTextLayout layout(item.text, item.font);
        LayOut(layout);
        size.setWidth(static_cast<int>(std::ceil(layout.lineAt(0).naturalTextWidth())) +
                      3 * kMargin);
        return size;
    }

protected:
    // A row is one line high whatever its text holds: a line break shows as a gap. The
    // item's text itself stays as given.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        // The base class has already turned '\n' into a line separator.
        for (const QChar lineBreak : {QChar(QChar::LineSeparator), QChar(u'\n'), QChar(u'\r')}) {
            option->text.replace(lineBreak, QLatin1Char(' '));
        }
    }

private:
    static constexpr int kMargin = 2;

    // Lays the text out as one line at the tab stops; returns its height.
    qreal LayOut(QTextLayout& layout) const {
        const TemplateGeometry geometry(layout.font());
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        option.setTabArray(geometry.TabPositions(stops_));
        option.setTabStopDistance(geometry.DefaultTabDistance());
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(0);
        layout.endLayout();
        return line.height();
    }

    std::vector<int> stops_;
};

} // namespace

MessageListWidget::MessageListWidget(std::vector<int> tabStopsInDialogUnits, QWidget* parent)
    : QListWidget(parent) {
    setItemDelegate(new TabStopDelegate(std::move(tabStopsInDialogUnits), this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void MessageListWidget::AddLine(const std::string& line) {
    addItem(QString::fromStdString(line));
}

void MessageListWidget::SetLines(const std::vector<std::string>& lines) {
    const int wanted = static_cast<int>(lines.size());
    while (count() > wanted) {
        delete takeItem(count() - 1);
    }
    for (int row = 0; row < wanted; ++row) {
        const QString text = QString::fromStdString(lines[static_cast<std::size_t>(row)]);
        if (row < count()) {
            if (QListWidgetItem* line = item(row); line->text() != text) {
                line->setText(text);
            }
        } else {
            addItem(text);
        }
    }
    // New lines replace the old as a reset would: no row stays marked as chosen.
    clearSelection();
    if (currentRow() >= 0) {
        setCurrentRow(-1);
    }
}

QStringList MessageListWidget::Lines() const {
    QStringList lines;
    for (int row = 0; row < count(); ++row) {
        lines.append(item(row)->text());
    }
    return lines;
}

QStringList MessageListWidget::SelectedLines() const {
    QStringList lines;
    for (int row = 0; row < count(); ++row) {
        if (item(row)->isSelected()) {
            lines.append(item(row)->text());
        }
    }
    return lines;
}

void MessageListWidget::keyPressEvent(QKeyEvent* event) {
    if (IsCopyKey(*event)) {
        CopyLines(SelectedLines());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace korvane

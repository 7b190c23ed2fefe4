#include "app/qt/tab_stop_list.h"

#include <QApplication>
#include <QPainter>
#include <QStyledItemDelegate>
#include <utility>

namespace korvane {

namespace {

// Paints an item's text through the tab stops of its list instead of the style's own text
// drawing, which would show a tab as a single gap.
class TabStopDelegate : public QStyledItemDelegate {
public:
    explicit TabStopDelegate(TabStopList& list) : QStyledItemDelegate(&list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        const QWidget* widget = item.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
        painter->save();
        painter->setFont(item.font);
        const bool selected = (item.state & QStyle::State_Selected) != 0;
        const QPalette::ColorGroup group =
            (item.state & QStyle::State_Enabled) != 0 ? QPalette::Normal : QPalette::Disabled;
        painter->setPen(
            item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        DrawTabbedLine(*painter, textRect.adjusted(TextMargin(), 0, 0, 0), text, list_.Stops(),
                       DialogUnitsOf(item.font));
        painter->restore();
    }

protected:
    // An item is one line high whatever it holds: a line break in the text shows as a gap,
    // not as a second line. The item's text itself stays as given.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        // The base class has already turned '\n' into a line separator.
        for (const QChar lineBreak : {QChar(QChar::LineSeparator), QChar(u'\n'), QChar(u'\r')}) {
            option->text.replace(lineBreak, QLatin1Char(' '));
        }
    }

public:
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QFontMetrics metrics(item.font);
        const int width =
            TabbedLineWidth(item.text, metrics, list_.Stops(), DialogUnitsOf(item.font)) +
            3 * TextMargin();
        size.setWidth(width);
        return size;
    }

private:
    static int TextMargin() { return 2; }

    TabStopList& list_;
};

} // namespace

TabStopList::TabStopList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new TabStopDelegate(*this));
    setUniformItemSizes(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void TabStopList::SetTabStops(std::vector<int> stopsInDialogUnits) {
    stops_ = TabStops(std::move(stopsInDialogUnits));
    // Item widths depend on the stops: let the view measure them again.
    doItemsLayout();
    viewport()->update();
}

} // namespace korvane

#include "app/qt/dashboard/tile_board.h"

#include "app/qt/dashboard/tile_painter.h"
#include "dashboard/tile_columns.h"

#include <QPainter>
#include <utility>

namespace korvane {

namespace {

constexpr double kGap = 8;

} // namespace

TileBoard::TileBoard(QWidget* parent) : QWidget(parent), colours_(DayColours()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(240, 180);
}

void TileBoard::Show(std::vector<TileView> tiles, const DashboardColours& colours,
                     const QString& empty) {
    tiles_ = std::move(tiles);
    colours_ = colours;
    empty_ = empty;
    update();
}

QRectF TileBoard::TileRect(int index) const {
    const int count = static_cast<int>(tiles_.size());
    const QRectF area = QRectF(rect()).adjusted(kGap, kGap, -kGap, -kGap);
    const int columns = TileColumns(area.width(), area.height(), count);
    const int rows = std::max(1, (count + columns - 1) / columns);
    const double width = (area.width() - kGap * (columns - 1)) / columns;
    const double height = (area.height() - kGap * (rows - 1)) / rows;
    const int row = index / columns;
    const int column = index % columns;
    return QRectF(area.left() + column * (width + kGap), area.top() + row * (height + kGap), width,
                  height);
}

void TileBoard::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), colours_.background);
    if (tiles_.empty()) {
        painter.setPen(colours_.dimText);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, empty_);
        return;
    }
    for (std::size_t i = 0; i < tiles_.size(); ++i) {
        PaintTile(painter, TileRect(static_cast<int>(i)), tiles_[i], colours_);
    }
}

} // namespace korvane

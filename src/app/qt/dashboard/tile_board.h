#pragma once

#include "app/qt/dashboard/dashboard_colours.h"
#include "dashboard/tile.h"

#include <QString>
#include <QWidget>
#include <vector>

namespace korvane {

// The dashboard's tiles, drawn in as many columns as suit its size.
class TileBoard : public QWidget {
public:
    explicit TileBoard(QWidget* parent = nullptr);

    // Draws these tiles from now on; `empty` is said when there are none.
    void Show(std::vector<TileView> tiles, const DashboardColours& colours, const QString& empty);

    const std::vector<TileView>& Tiles() const { return tiles_; }
    // Where the tile of that index stands, for the size the board has now.
    QRectF TileRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<TileView> tiles_;
    DashboardColours colours_;
    QString empty_;
};

} // namespace korvane

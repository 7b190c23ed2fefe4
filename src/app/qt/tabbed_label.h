#pragma once

#include "app/qt/tabbed_text.h"

#include <QLabel>

namespace korvane {

// A static text of one or more lines whose tabs jump to stops every 32 dialog units, so
// that "name:\tvalue" lines line their values up.
class TabbedLabel : public QLabel {
public:
    explicit TabbedLabel(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TabStops stops_;
};

} // namespace korvane

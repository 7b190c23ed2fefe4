#include "app/qt/template_layout.h"

#include "app/qt/qt_window.h"
#include "app/qt/window_templates.h"

#include <QWidget>
#include <vector>

namespace korvane {

TemplateMetrics::TemplateMetrics(const QWidget& window) : units_(DialogUnitsOf(window.font())) {}

void TemplateMetrics::FixWidth(QWidget& widget, int units) const {
    widget.setFixedWidth(X(units));
}

void TemplateMetrics::MinimumSize(QWidget& widget, int widthUnits, int heightUnits) const {
    widget.setMinimumSize(X(widthUnits), Y(heightUnits));
}

void ApplyTemplateTabOrder(QtWindow& window) {
    const std::vector<QWidget*> order = window.Controls().TabOrder();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace korvane

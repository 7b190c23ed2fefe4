#include "app/qt/control_id.h"

#include <QObject>
#include <QVariant>

namespace korvane {

void SetControlIds(const std::vector<std::pair<QObject*, int>>& controls) {
    for (const auto& [control, id] : controls) {
        control->setProperty(kControlIdProperty, id);
    }
}

} // namespace korvane

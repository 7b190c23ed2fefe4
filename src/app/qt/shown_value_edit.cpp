#include "app/qt/shown_value_edit.h"

#include <QLineEdit>
#include <QPalette>

namespace korvane {

void ShowValueOnly(QLineEdit& edit) {
    edit.setReadOnly(true);
    edit.setFocusPolicy(Qt::ClickFocus);
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit.setPalette(palette);
}

} // namespace korvane

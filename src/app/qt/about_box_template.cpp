#include "app/qt/control_set.h"
#include "app/qt/program_icon.h"
#include "app/qt/qt_window.h"
#include "app/qt/template_geometry.h"
#include "app/qt/window_templates.h"
#include "resources/control_ids.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace korvane {

void BuildAboutBoxTemplate(QtWindow& window) {
    namespace a = ids::about;
    window.Host().setWindowTitle(QStringLiteral("About"));
    ControlSet& controls = window.Controls();
    const TemplateGeometry du(window.Host());

    auto* layout = new QVBoxLayout(&window.Host());
    auto* body = new QHBoxLayout;
    QLabel* icon = controls.AddStatic(a::kIcon, QString());
    const int side = std::max(32, du.Y(20));
    icon->setPixmap(ProgramIcon().pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);
    body->addWidget(icon);
    body->addSpacing(du.X(8));
    auto* texts = new QVBoxLayout;
    QLabel* version = controls.AddStatic(a::kVersion, QString());
    version->setMinimumWidth(du.X(100));
    texts->addWidget(version);
    texts->addWidget(controls.AddStatic(-1, QStringLiteral("see !ReadMe.txt file for help")));
    texts->addStretch(1);
    body->addLayout(texts, 1);
    layout->addLayout(body);
    layout->addSpacing(du.Y(8));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* ok = controls.AddButton(a::kOk, QStringLiteral("OK"));
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addStretch(1);
    layout->addLayout(buttons);
}

} // namespace korvane

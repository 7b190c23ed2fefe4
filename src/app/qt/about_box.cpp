#include "app/qt/about_box.h"

#include "app/qt/control_id.h"
#include "app/qt/program_icon.h"
#include "app/qt/template_geometry.h"
#include "resources/control_ids.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace korvane {

AboutBox::AboutBox(QWidget* owner) : QDialog(owner) {
    namespace a = ids::about;
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(QStringLiteral("About"));
    setProperty("templateId", ids::kAboutTemplate);
    const TemplateGeometry du(*this);

    auto* layout = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    auto* icon = new QLabel;
    const int side = std::max(32, du.Y(20));
    icon->setPixmap(ProgramIcon().pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);
    body->addWidget(icon);
    body->addSpacing(du.X(8));
    auto* texts = new QVBoxLayout;
    auto* version = new QLabel(QStringLiteral("Korvane version " KORVANE_VERSION_TEXT));
    version->setTextFormat(Qt::PlainText);
    version->setMinimumWidth(du.X(100));
    texts->addWidget(version);
    auto* help = new QLabel(QStringLiteral("see !ReadMe.txt file for help"));
    help->setTextFormat(Qt::PlainText);
    texts->addWidget(help);
    texts->addStretch(1);
    body->addLayout(texts, 1);
    layout->addLayout(body);
    layout->addSpacing(du.Y(8));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    SetControlIds({{icon, a::kIcon}, {version, a::kVersion}, {ok, a::kOk}});
}

} // namespace korvane

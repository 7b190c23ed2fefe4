#include "app/qt/control_set.h"
#include "app/qt/qt_window.h"
#include "app/qt/template_geometry.h"
#include "app/qt/window_templates.h"
#include "resources/control_ids.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korvane {

namespace {

namespace d = ids::dump;

QGridLayout* BuildSettings(ControlSet& controls, const TemplateGeometry& du) {
    auto* grid = new QGridLayout;
    grid->addWidget(controls.AddStatic(-1, QStringLiteral("Output file")), 0, 0);
    QLineEdit* file = controls.AddEdit(d::kOutputFile);
    file->setMinimumWidth(du.X(150));
    grid->addWidget(file, 0, 1, 1, 3);
    grid->addWidget(controls.AddButton(d::kBrowse, QStringLiteral("Browse")), 0, 4);

    grid->addWidget(controls.AddStatic(-1, QStringLiteral("Start Address")), 1, 0);
    QLineEdit* start = controls.AddEdit(d::kStartAddress);
    du.FixWidth(*start, 36);
    grid->addWidget(start, 1, 1);
    grid->addWidget(controls.AddStatic(-1, QStringLiteral("Bytes to read")), 2, 0);
    QLineEdit* count = controls.AddEdit(d::kBytesToRead);
    du.FixWidth(*count, 36);
    grid->addWidget(count, 2, 1);
    grid->addWidget(controls.AddStatic(-1, QStringLiteral("Pre-fill with")), 3, 0);
    QLineEdit* prefill = controls.AddEdit(d::kPrefill);
    du.FixWidth(*prefill, 36);
    grid->addWidget(prefill, 3, 1);
    grid->addWidget(controls.AddStatic(-1, QStringLiteral("bytes of 0x00")), 3, 2);
    grid->addWidget(controls.AddStatic(-1, QStringLiteral("Note: all values in hex")), 1, 2, 1, 3,
                    Qt::AlignRight);

    grid->addWidget(controls.AddStatic(-1, QStringLiteral("Unit to read:")), 4, 0);
    auto* units = new QHBoxLayout;
    QButtonGroup& unitGroup = controls.NewRadioGroup();
    units->addWidget(controls.AddRadioButton(d::kUnitEcu, QStringLiteral("ECU"), unitGroup));
    units->addWidget(controls.AddRadioButton(d::kUnitTcu, QStringLiteral("TCU"), unitGroup));
    units->addStretch(1);
    grid->addLayout(units, 4, 1, 1, 4);
    grid->setColumnStretch(3, 1);
    return grid;
}

QVBoxLayout* BuildProgressArea(ControlSet& controls, const TemplateGeometry& du) {
    auto* area = new QVBoxLayout;
    area->addWidget(controls.AddStatic(d::kStatus, QString()));
    // Room for the three lines of the summary and of the times, so that the dialog keeps
    // its size while they fill in.
    auto* details = new QHBoxLayout;
    QLabel* summary = controls.AddStatic(d::kSummary, QString());
    du.MinimumSize(*summary, 100, 30);
    summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    details->addWidget(summary);
    QLabel* times = controls.AddStatic(d::kTimes, QString());
    du.MinimumSize(*times, 110, 30);
    details->addWidget(times);
    details->addStretch(1);
    area->addLayout(details);
    area->addWidget(controls.AddStatic(d::kCurrentAddress, QString()));
    QLabel* result = controls.AddStatic(d::kResult, QString());
    result->setMinimumWidth(du.X(150));
    area->addWidget(result);
    area->addWidget(controls.AddProgress(d::kProgress));
    return area;
}

} // namespace

void BuildDumpDialogTemplate(QtWindow& window) {
    window.Host().setWindowTitle(QStringLiteral("RomDump"));
    ControlSet& controls = window.Controls();
    const TemplateGeometry du(window.Host());

    auto* layout = new QVBoxLayout(&window.Host());
    layout->addLayout(BuildSettings(controls, du));
    layout->addSpacing(du.Y(4));
    layout->addLayout(BuildProgressArea(controls, du));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* start = controls.AddButton(d::kStart, QStringLiteral("Start"));
    start->setDefault(true);
    buttons->addWidget(start);
    buttons->addWidget(controls.AddButton(d::kExit, QStringLiteral("Exit")));
    layout->addLayout(buttons);
}

} // namespace korvane

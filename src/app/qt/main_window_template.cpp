#include "app/qt/command_combo_box.h"
#include "app/qt/control_set.h"
#include "app/qt/qt_window.h"
#include "app/qt/tab_stop_list.h"
#include "app/qt/template_layout.h"
#include "app/qt/up_down_spin_box.h"
#include "app/qt/window_templates.h"
#include "resources/control_ids.h"

#if KORVANE_WITH_GRAPH
#include "app/qt/graph/graph_windows.h"
#endif

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korvane {

namespace {

namespace m = ids::main;

// Captions above the switch bits, bit 7 first.
constexpr const char* kInputSwitchCaptions[8] = {"Ignition", "Auto.", "Test", "Read",
                                                 "-na-",     "Neut.", "Park", "Calif"};
constexpr const char* kIoSwitchCaptions[8] = {"Idle", "AC on", "AC rly", "Fan",
                                              "Fuel", "Purge", "Knock",  "BR"};

// Widths of the spin boxes in dialog units: four hexadecimal digits or two decimal ones,
// with room for the arrows.
constexpr int kAddressBoxWidth = 42;
constexpr int kCountBoxWidth = 32;

void BuildMenu(QtWindow& window) {
    QMainWindow* host = window.MainHost();
    ControlSet& controls = window.Controls();
    QMenu* file = host->menuBar()->addMenu(QStringLiteral("File"));
    controls.AddMenuCommand(ids::kMenuOpenLog, *file, QStringLiteral("Open logfile"));
    controls.AddMenuCommand(ids::kMenuCloseLog, *file, QStringLiteral("Close logfile"));
    file->addSeparator();
    controls.AddMenuCommand(ids::kMenuChecksumFile, *file, QStringLiteral("Checksum file"));
    controls.AddMenuCommand(ids::kMenuDumpMemory, *file, QStringLiteral("Dump Memory"));
    file->addSeparator();
#if KORVANE_WITH_GRAPH
    QAction* viewLog =
        controls.AddMenuCommand(ids::kMenuViewLog, *file, QStringLiteral("View logfile..."));
    file->addSeparator();
#endif
    controls.AddMenuCommand(ids::kMenuExit, *file, QStringLiteral("Exit"));
#if KORVANE_WITH_GRAPH
    QMenu* view = host->menuBar()->addMenu(QStringLiteral("View"));
    QAction* graph = controls.AddMenuCommand(ids::kMenuGraph, *view, QStringLiteral("Graph"));
    // The graph windows are the shell's own: the window logic does not know them.
    auto* graphs = new GraphWindows(*host);
    QObject::connect(viewLog, &QAction::triggered, graphs, [graphs] { graphs->ViewLogFile(); });
    QObject::connect(graph, &QAction::triggered, graphs, &GraphWindows::ShowLiveGraph);
#endif
    QMenu* help = host->menuBar()->addMenu(QStringLiteral("Help"));
    controls.AddMenuCommand(ids::kMenuAbout, *help, QStringLiteral("About"));
}

// Port row, ROM ID and unit row.
QGridLayout* BuildConnectionArea(ControlSet& controls, const TemplateMetrics& du) {
    auto* grid = new QGridLayout;
    grid->addWidget(controls.AddButton(m::kScanPorts, QStringLiteral("Scan serial ports")), 0, 0);
    auto* ports = controls.AddComboBox(m::kPortCombo, true);
    du.FixWidth(*ports, 70);
    QLabel* portStatus = controls.AddStatic(m::kPortStatus, QStringLiteral("-status-"));
    du.FixWidth(*portStatus, 40);
    auto* portRow = new QHBoxLayout;
    portRow->addWidget(ports);
    portRow->addSpacing(du.X(4));
    portRow->addWidget(portStatus);
    portRow->addStretch(1);
    portRow->addWidget(controls.AddButton(m::kGetRomId, QStringLiteral("Get ROM ID")));
    QLineEdit* romId = controls.AddEdit(m::kRomIdEdit);
    du.FixWidth(*romId, 70);
    portRow->addWidget(romId);
    grid->addLayout(portRow, 0, 1);

    grid->addWidget(controls.AddStatic(-1, QStringLiteral("Selected ROM ID")), 1, 0);
    auto* romIds = controls.AddComboBox(m::kRomIdCombo, false);
    du.FixWidth(*romIds, 190);
    grid->addWidget(romIds, 1, 1, Qt::AlignLeft);

    grid->addWidget(controls.AddStatic(-1, QStringLiteral("Unit to read:")), 2, 0);
    auto* unitRow = new QHBoxLayout;
    QButtonGroup& units = controls.NewRadioGroup();
    unitRow->addWidget(controls.AddRadioButton(m::kUnitEcu, QStringLiteral("ECU"), units));
    unitRow->addWidget(controls.AddRadioButton(m::kUnitTcu, QStringLiteral("TCU"), units));
    unitRow->addWidget(controls.AddRadioButton(m::kUnitAircon, QStringLiteral("Aircon"), units));
    unitRow->addWidget(controls.AddRadioButton(m::kUnit4ws, QStringLiteral("4WS"), units));
    unitRow->addWidget(controls.AddRadioButton(m::kUnitCruise, QStringLiteral("Cruise"), units));
    unitRow->addSpacing(du.X(8));
    unitRow->addWidget(controls.AddStatic(
        -1, QStringLiteral("( Note: anything other than ECU is experimental )")));
    unitRow->addStretch(1);
    grid->addLayout(unitRow, 2, 1);
    grid->setColumnStretch(1, 1);
    return grid;
}

QGroupBox* BuildReadMemoryGroup(ControlSet& controls, const TemplateMetrics& du) {
    auto* group = new QGroupBox(QStringLiteral("Read Memory"));
    auto* layout = new QVBoxLayout(group);

    auto* range = new QHBoxLayout;
    range->addWidget(controls.AddStatic(-1, QStringLiteral("Address")));
    UpDownSpinBox* address = controls.AddUpDownEdit(m::kMemAddressEdit, m::kMemAddressUpDown);
    du.FixWidth(*address, kAddressBoxWidth);
    range->addWidget(address);
    range->addSpacing(du.X(8));
    QButtonGroup& mode = controls.NewRadioGroup();
    range->addWidget(controls.AddRadioButton(m::kModeBytes, QStringLiteral("Bytes"), mode));
    range->addWidget(controls.AddRadioButton(m::kModeBlocks, QStringLiteral("Blocks"), mode));
    UpDownSpinBox* count = controls.AddUpDownEdit(m::kMemCountEdit, m::kMemCountUpDown);
    du.FixWidth(*count, kCountBoxWidth);
    range->addWidget(count);
    range->addStretch(1);
    layout->addLayout(range);

    auto* actions = new QHBoxLayout;
    actions->addWidget(controls.AddButton(m::kMemRead, QStringLiteral("Read")));
    actions->addWidget(controls.AddButton(m::kMemStop, QStringLiteral("Stop")));
    actions->addWidget(controls.AddButton(m::kMemClear, QStringLiteral("Clear")));
    actions->addSpacing(du.X(8));
    actions->addWidget(controls.AddCheckBox(m::kMemRepeat, QStringLiteral("Repeat")));
    actions->addStretch(1);
    layout->addLayout(actions);

    TabStopList* list = controls.AddList(m::kMemList, true);
    du.MinimumSize(*list, 270, 190);
    layout->addWidget(list, 1);
    return group;
}

// One switch row: caption row above, then the address box, the value box and the bit
// boxes from bit 7 at the left to bit 0 at the right.
void AddSwitchRow(ControlSet& controls, const TemplateMetrics& du, QGridLayout& grid, int row,
                  const QString& caption, const char* const (&bitCaptions)[8], int addressId,
                  int valueId, const int (&bitIds)[8]) {
    grid.addWidget(controls.AddStatic(-1, caption), row, 0, 1, 2);
    QLineEdit* address = controls.AddEdit(addressId);
    du.FixWidth(*address, 26);
    grid.addWidget(address, row + 1, 0);
    QLineEdit* value = controls.AddEdit(valueId, true);
    du.FixWidth(*value, 16);
    value->setAlignment(Qt::AlignCenter);
    grid.addWidget(value, row + 1, 1);
    for (int bit = 7; bit >= 0; --bit) {
        const int column = 2 + (7 - bit);
        QLabel* label = controls.AddStatic(-1, QString::fromLatin1(bitCaptions[7 - bit]));
        grid.addWidget(label, row, column, Qt::AlignHCenter);
        QLineEdit* box = controls.AddEdit(bitIds[bit], true);
        du.FixWidth(*box, 12);
        box->setAlignment(Qt::AlignCenter);
        grid.addWidget(box, row + 1, column, Qt::AlignHCenter);
    }
}

QGroupBox* BuildReadParametersGroup(ControlSet& controls, const TemplateMetrics& du) {
    auto* group = new QGroupBox(QStringLiteral("Read Parameters"));
    auto* layout = new QVBoxLayout(group);

    auto* actions = new QHBoxLayout;
    actions->addWidget(controls.AddCheckBox(m::kParamRepeat, QStringLiteral("Repeat")));
    actions->addSpacing(du.X(8));
    actions->addWidget(controls.AddButton(m::kParamRead, QStringLiteral("Read")));
    actions->addWidget(controls.AddButton(m::kParamStop, QStringLiteral("Stop")));
    actions->addStretch(1);
    layout->addLayout(actions);

    TabStopList* list = controls.AddList(m::kParamList, false);
    du.MinimumSize(*list, 200, 100);
    layout->addWidget(list, 1);

    auto* switches = new QGridLayout;
    switches->setHorizontalSpacing(du.X(2));
    AddSwitchRow(controls, du, *switches, 0, QStringLiteral("Input Sw."), kInputSwitchCaptions,
                 m::kInputSwitchAddress, m::kInputSwitchValue, m::kInputSwitchBits);
    AddSwitchRow(controls, du, *switches, 2, QStringLiteral("IO Switches"), kIoSwitchCaptions,
                 m::kIoSwitchAddress, m::kIoSwitchValue, m::kIoSwitchBits);
    layout->addLayout(switches);
    return group;
}

QGroupBox* BuildWriteMemoryGroup(ControlSet& controls, const TemplateMetrics& du) {
    auto* group = new QGroupBox(QStringLiteral("Write Memory"));
    auto* row = new QHBoxLayout(group);
    row->addWidget(controls.AddStatic(-1, QStringLiteral("Address")));
    UpDownSpinBox* address = controls.AddUpDownEdit(m::kWriteAddressEdit, m::kWriteAddressUpDown);
    du.FixWidth(*address, kAddressBoxWidth);
    row->addWidget(address);
    row->addSpacing(du.X(8));
    row->addWidget(controls.AddStatic(-1, QStringLiteral("Data")));
    QLineEdit* data = controls.AddEdit(m::kWriteDataEdit);
    du.FixWidth(*data, 20);
    row->addWidget(data);
    row->addSpacing(du.X(8));
    row->addWidget(controls.AddButton(m::kWrite, QStringLiteral("Write")));
    row->addSpacing(du.X(8));
    row->addWidget(controls.AddStatic(-1, QStringLiteral("Result")));
    QLineEdit* result = controls.AddEdit(m::kWriteResult, true);
    du.FixWidth(*result, 20);
    row->addWidget(result);
    row->addStretch(1);
    return group;
}

QHBoxLayout* BuildStatusLine(ControlSet& controls) {
    auto* row = new QHBoxLayout;
    row->addWidget(controls.AddStatic(-1, QStringLiteral("Log File:")));
    QLabel* status = controls.AddStatic(m::kLogStatus, QStringLiteral("Closed."));
    status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row->addWidget(status, 1);
    return row;
}

} // namespace

void BuildMainWindowTemplate(QtWindow& window) {
    window.Host().setWindowTitle(QStringLiteral("Korvane"));
    BuildMenu(window);
    ControlSet& controls = window.Controls();
    const TemplateMetrics du(window.Content());

    auto* layout = new QVBoxLayout(&window.Content());
    layout->addLayout(BuildConnectionArea(controls, du));
    auto* reading = new QHBoxLayout;
    reading->addWidget(BuildReadMemoryGroup(controls, du), 4);
    reading->addWidget(BuildReadParametersGroup(controls, du), 3);
    layout->addLayout(reading, 1);
    layout->addWidget(BuildWriteMemoryGroup(controls, du));
    layout->addLayout(BuildStatusLine(controls));
}

} // namespace korvane

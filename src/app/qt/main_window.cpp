#include "app/qt/main_window.h"

#include "app/connection_check_logic.h"
#include "app/dialog_utils.h"
#include "app/dump_dialog_logic.h"
#include "app/qt/about_box.h"
#include "app/qt/connection_check_dialog.h"
#include "app/qt/control_id.h"
#include "app/qt/dashboard/dashboard_settings_file.h"
#include "app/qt/dashboard/dashboard_window.h"
#include "app/qt/definitions_window.h"
#include "app/qt/dialogs.h"
#include "app/qt/dump_dialog.h"
#include "app/qt/message_list_widget.h"
#include "app/qt/parameter_table.h"
#include "app/qt/shown_value_edit.h"
#include "app/qt/template_geometry.h"
#include "app/qt/up_down_spin_box.h"
#include "reading/parameter_pass.h"
#include "reading/pass_texts.h"
#include "reading/rom_id_view.h"
#include "resources/control_ids.h"

#if KORVANE_WITH_GRAPH
#include "app/qt/graph/graph_windows.h"
#endif

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>
#include <utility>

namespace korvane {

namespace {

namespace m = ids::main;

constexpr UnitType kUnits[5] = {UnitType::Ecu, UnitType::Tcu, UnitType::Aircon, UnitType::FourWs,
                                UnitType::Cruise};

// Captions above the switch bits, bit 7 first.
constexpr const char* kInputSwitchCaptions[8] = {"Ignition", "Auto.", "Test", "Read",
                                                 "-na-",     "Neut.", "Park", "Calif"};
constexpr const char* kIoSwitchCaptions[8] = {"Idle", "AC on", "AC rly", "Fan",
                                              "Fuel", "Purge", "Knock",  "BR"};

// Widths of the spin boxes in dialog units: four hexadecimal digits or two decimal ones,
// with room for the arrows.
constexpr int kAddressBoxWidth = 42;
constexpr int kCountBoxWidth = 32;

// Tab stops of the Read Memory list: 25 dialog units, then every 12 up to 253.
std::vector<int> MemoryListTabStops() {
    std::vector<int> stops;
    for (int k = 0; k < 20; ++k) {
        stops.push_back(25 + 12 * k);
    }
    return stops;
}

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* NewLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* NewShownValue() {
    auto* edit = new QLineEdit;
    ShowValueOnly(*edit);
    return edit;
}

// A drop-down with an edit field whose typed text stays exactly what was typed: no
// completion, no new entries on Enter.
QComboBox* NewComboBox() {
    auto* combo = new QComboBox;
    combo->setEditable(true);
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setDuplicatesEnabled(true);
    combo->setMaxVisibleItems(16);
    return combo;
}

std::vector<std::string> Entries(const QComboBox& combo) {
    std::vector<std::string> entries;
    for (int i = 0; i < combo.count(); ++i) {
        entries.push_back(combo.itemText(i).toStdString());
    }
    return entries;
}

// Replaces the entries and selects one; nothing the user is told about.
void Fill(QComboBox& combo, const std::vector<std::string>& entries, const std::string& preselect) {
    const int previous = combo.currentIndex();
    combo.clear();
    for (const auto& entry : entries) {
        combo.addItem(ToQt(entry));
    }
    combo.setCurrentIndex(EntryToSelect(entries, preselect, previous));
}

bool CaseInsensitiveLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
}

} // namespace

MainWindow::MainWindow(const AppContext& context) : context_(context) {
    setWindowTitle(QStringLiteral("Korvane"));
    setProperty("templateId", ids::kMainTemplate);
    BuildMenu();
    auto* content = new QWidget(this);
    setCentralWidget(content);
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(BuildConnectionArea());
    auto* reading = new QHBoxLayout;
    reading->addWidget(BuildReadMemoryGroup(), 4);
    reading->addWidget(BuildReadParametersGroup(), 3);
    layout->addLayout(reading, 1);
    layout->addWidget(BuildWriteMemoryGroup());
    layout->addLayout(BuildStatusLine());
    MarkControls();

    memoryCount_->Attach(10, 1, 16, 16);
    memoryAddress_->Attach(16, 0, 0xFFFF, 0x1000);
    writeAddress_->Attach(16, 0, 0xFFFF, 0x1000);
}

MainWindow::~MainWindow() {
    pollTimer_.stop();
}

void MainWindow::BuildMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    openLog_ = file->addAction(QStringLiteral("Open logfile"));
    closeLog_ = file->addAction(QStringLiteral("Close logfile"));
    file->addSeparator();
    checksumFile_ = file->addAction(QStringLiteral("Checksum file"));
    dumpMemory_ = file->addAction(QStringLiteral("Dump Memory"));
    file->addSeparator();
    definitions_ = file->addAction(QStringLiteral("Definitions..."));
    definitions_->setEnabled(false);
    QObject::connect(definitions_, &QAction::triggered, this, [this] { OpenDefinitions(); });
    file->addSeparator();
#if KORVANE_WITH_GRAPH
    viewLog_ = file->addAction(QStringLiteral("View logfile..."));
    file->addSeparator();
#endif
    exit_ = file->addAction(QStringLiteral("Exit"));
    QMenu* view = menuBar()->addMenu(QStringLiteral("View"));
#if KORVANE_WITH_GRAPH
    graph_ = view->addAction(QStringLiteral("Graph"));
    // The graph windows are the window's own: the presenter only feeds the live graph.
    graphs_ = new GraphWindows(*this);
    QObject::connect(viewLog_, &QAction::triggered, graphs_, [this] { graphs_->ViewLogFile(); });
    QObject::connect(graph_, &QAction::triggered, graphs_, &GraphWindows::ShowLiveGraph);
#endif
    // Like the graph, the dashboard is the window's own and fed by the presenter.
    dashboardItem_ = view->addAction(QStringLiteral("Dashboard"));
    dashboard_ = new DashboardWindow(this, DashboardSettingsPath());
    QObject::connect(dashboardItem_, &QAction::triggered, dashboard_, [this] {
        dashboard_->show();
        dashboard_->raise();
        dashboard_->activateWindow();
    });
    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    checkConnection_ = help->addAction(QStringLiteral("Check connection..."));
    help->addSeparator();
    about_ = help->addAction(QStringLiteral("About"));
}

// Port row, ROM ID and unit row.
QGridLayout* MainWindow::BuildConnectionArea() {
    const TemplateGeometry du(*this);
    auto* grid = new QGridLayout;
    scanPorts_ = new QPushButton(QStringLiteral("Scan serial ports"));
    grid->addWidget(scanPorts_, 0, 0);
    ports_ = NewComboBox();
    du.FixWidth(*ports_, 70);
    portStatus_ = NewLabel(QStringLiteral("-status-"));
    du.FixWidth(*portStatus_, 40);
    auto* portRow = new QHBoxLayout;
    portRow->addWidget(ports_);
    portRow->addSpacing(du.X(4));
    portRow->addWidget(portStatus_);
    portRow->addStretch(1);
    getRomId_ = new QPushButton(QStringLiteral("Get ROM ID"));
    portRow->addWidget(getRomId_);
    romId_ = new QLineEdit;
    du.FixWidth(*romId_, 70);
    portRow->addWidget(romId_);
    grid->addLayout(portRow, 0, 1);

    grid->addWidget(NewLabel(QStringLiteral("Selected ROM ID")), 1, 0);
    romIds_ = NewComboBox();
    du.FixWidth(*romIds_, 190);
    grid->addWidget(romIds_, 1, 1, Qt::AlignLeft);

    grid->addWidget(NewLabel(QStringLiteral("Unit to read:")), 2, 0);
    auto* unitRow = new QHBoxLayout;
    auto* unitGroup = new QButtonGroup(this);
    const char* const captions[5] = {"ECU", "TCU", "Aircon", "4WS", "Cruise"};
    for (std::size_t i = 0; i < units_.size(); ++i) {
        units_[i] = new QRadioButton(QString::fromLatin1(captions[i]));
        unitGroup->addButton(units_[i]);
        unitRow->addWidget(units_[i]);
    }
    unitRow->addSpacing(du.X(8));
    unitRow->addWidget(
        NewLabel(QStringLiteral("( Note: anything other than ECU is experimental )")));
    unitRow->addStretch(1);
    grid->addLayout(unitRow, 2, 1);
    grid->setColumnStretch(1, 1);
    return grid;
}

QGroupBox* MainWindow::BuildReadMemoryGroup() {
    const TemplateGeometry du(*this);
    auto* group = new QGroupBox(QStringLiteral("Read Memory"));
    auto* layout = new QVBoxLayout(group);

    auto* range = new QHBoxLayout;
    range->addWidget(NewLabel(QStringLiteral("Address")));
    memoryAddress_ = new UpDownSpinBox;
    du.FixWidth(*memoryAddress_, kAddressBoxWidth);
    range->addWidget(memoryAddress_);
    range->addSpacing(du.X(8));
    auto* mode = new QButtonGroup(group);
    bytes_ = new QRadioButton(QStringLiteral("Bytes"));
    blocks_ = new QRadioButton(QStringLiteral("Blocks"));
    mode->addButton(bytes_);
    mode->addButton(blocks_);
    range->addWidget(bytes_);
    range->addWidget(blocks_);
    memoryCount_ = new UpDownSpinBox;
    du.FixWidth(*memoryCount_, kCountBoxWidth);
    range->addWidget(memoryCount_);
    range->addStretch(1);
    layout->addLayout(range);

    auto* actions = new QHBoxLayout;
    memoryRead_ = new QPushButton(QStringLiteral("Read"));
    memoryStop_ = new QPushButton(QStringLiteral("Stop"));
    memoryClear_ = new QPushButton(QStringLiteral("Clear"));
    memoryRepeat_ = new QCheckBox(QStringLiteral("Repeat"));
    actions->addWidget(memoryRead_);
    actions->addWidget(memoryStop_);
    actions->addWidget(memoryClear_);
    actions->addSpacing(du.X(8));
    actions->addWidget(memoryRepeat_);
    actions->addStretch(1);
    layout->addLayout(actions);

    memoryList_ = new MessageListWidget(MemoryListTabStops());
    memoryList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoryList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    du.MinimumSize(*memoryList_, 270, 190);
    layout->addWidget(memoryList_, 1);
    return group;
}

// One switch row: caption row above, then the address box, the value box and the bit
// boxes from bit 7 at the left to bit 0 at the right.
void MainWindow::AddSwitchRow(QGridLayout& grid, int row, const QString& caption,
                              const char* const (&bitCaptions)[8], SwitchRow& switches) {
    const TemplateGeometry du(*this);
    grid.addWidget(NewLabel(caption), row, 0, 1, 2);
    switches.address = new QLineEdit;
    du.FixWidth(*switches.address, 26);
    grid.addWidget(switches.address, row + 1, 0);
    switches.value = NewShownValue();
    du.FixWidth(*switches.value, 16);
    switches.value->setAlignment(Qt::AlignCenter);
    grid.addWidget(switches.value, row + 1, 1);
    for (int bit = 7; bit >= 0; --bit) {
        const int column = 2 + (7 - bit);
        grid.addWidget(NewLabel(QString::fromLatin1(bitCaptions[7 - bit])), row, column,
                       Qt::AlignHCenter);
        QLineEdit* box = NewShownValue();
        du.FixWidth(*box, 12);
        box->setAlignment(Qt::AlignCenter);
        grid.addWidget(box, row + 1, column, Qt::AlignHCenter);
        switches.bits[static_cast<std::size_t>(bit)] = box;
    }
}

QGroupBox* MainWindow::BuildReadParametersGroup() {
    const TemplateGeometry du(*this);
    auto* group = new QGroupBox(QStringLiteral("Read Parameters"));
    auto* layout = new QVBoxLayout(group);

    auto* actions = new QHBoxLayout;
    parametersRepeat_ = new QCheckBox(QStringLiteral("Repeat"));
    parametersRead_ = new QPushButton(QStringLiteral("Read"));
    parametersStop_ = new QPushButton(QStringLiteral("Stop"));
    actions->addWidget(parametersRepeat_);
    actions->addSpacing(du.X(8));
    actions->addWidget(parametersRead_);
    actions->addWidget(parametersStop_);
    actions->addStretch(1);
    layout->addLayout(actions);

    parameters_ = new ParameterTable;
    parameters_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    parameters_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    du.MinimumSize(*parameters_, 200, 100);
    layout->addWidget(parameters_, 1);

    auto* switches = new QGridLayout;
    switches->setHorizontalSpacing(du.X(2));
    AddSwitchRow(*switches, 0, QStringLiteral("Input Sw."), kInputSwitchCaptions, inputSwitches_);
    AddSwitchRow(*switches, 2, QStringLiteral("IO Switches"), kIoSwitchCaptions, ioSwitches_);
    layout->addLayout(switches);
    return group;
}

QGroupBox* MainWindow::BuildWriteMemoryGroup() {
    const TemplateGeometry du(*this);
    auto* group = new QGroupBox(QStringLiteral("Write Memory"));
    auto* row = new QHBoxLayout(group);
    row->addWidget(NewLabel(QStringLiteral("Address")));
    writeAddress_ = new UpDownSpinBox;
    du.FixWidth(*writeAddress_, kAddressBoxWidth);
    row->addWidget(writeAddress_);
    row->addSpacing(du.X(8));
    row->addWidget(NewLabel(QStringLiteral("Data")));
    writeData_ = new QLineEdit;
    du.FixWidth(*writeData_, 20);
    row->addWidget(writeData_);
    row->addSpacing(du.X(8));
    write_ = new QPushButton(QStringLiteral("Write"));
    row->addWidget(write_);
    row->addSpacing(du.X(8));
    row->addWidget(NewLabel(QStringLiteral("Result")));
    writeResult_ = NewShownValue();
    du.FixWidth(*writeResult_, 20);
    row->addWidget(writeResult_);
    row->addStretch(1);
    return group;
}

QHBoxLayout* MainWindow::BuildStatusLine() {
    auto* row = new QHBoxLayout;
    row->addWidget(NewLabel(QStringLiteral("Log File:")));
    logStatus_ = NewLabel(QStringLiteral("Closed."));
    logStatus_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row->addWidget(logStatus_, 1);
    return row;
}

void MainWindow::MarkControls() {
    // The controls with their IDs in the template's order, which is also the Tab order.
    std::vector<std::pair<QObject*, int>> controls = {
        {scanPorts_, m::kScanPorts},
        {ports_, m::kPortCombo},
        {portStatus_, m::kPortStatus},
        {getRomId_, m::kGetRomId},
        {romId_, m::kRomIdEdit},
        {romIds_, m::kRomIdCombo},
        {units_[0], m::kUnitEcu},
        {units_[1], m::kUnitTcu},
        {units_[2], m::kUnitAircon},
        {units_[3], m::kUnit4ws},
        {units_[4], m::kUnitCruise},
        {memoryAddress_, m::kMemAddressEdit},
        {bytes_, m::kModeBytes},
        {blocks_, m::kModeBlocks},
        {memoryCount_, m::kMemCountEdit},
        {memoryRead_, m::kMemRead},
        {memoryStop_, m::kMemStop},
        {memoryClear_, m::kMemClear},
        {memoryRepeat_, m::kMemRepeat},
        {memoryList_, m::kMemList},
        {parametersRepeat_, m::kParamRepeat},
        {parametersRead_, m::kParamRead},
        {parametersStop_, m::kParamStop},
        {parameters_, m::kParamList},
        {inputSwitches_.address, m::kInputSwitchAddress},
        {inputSwitches_.value, m::kInputSwitchValue},
    };
    for (int bit = 0; bit < 8; ++bit) {
        controls.emplace_back(inputSwitches_.bits[static_cast<std::size_t>(bit)],
                              m::kInputSwitchBits[bit]);
    }
    controls.insert(controls.end(), {{ioSwitches_.address, m::kIoSwitchAddress},
                                     {ioSwitches_.value, m::kIoSwitchValue}});
    for (int bit = 0; bit < 8; ++bit) {
        controls.emplace_back(ioSwitches_.bits[static_cast<std::size_t>(bit)],
                              m::kIoSwitchBits[bit]);
    }
    controls.insert(controls.end(), {{writeAddress_, m::kWriteAddressEdit},
                                     {writeData_, m::kWriteDataEdit},
                                     {write_, m::kWrite},
                                     {writeResult_, m::kWriteResult},
                                     {logStatus_, m::kLogStatus},
                                     {openLog_, ids::kMenuOpenLog},
                                     {closeLog_, ids::kMenuCloseLog},
                                     {checksumFile_, ids::kMenuChecksumFile},
                                     {dumpMemory_, ids::kMenuDumpMemory},
                                     {definitions_, ids::kMenuDefinitions},
                                     {exit_, ids::kMenuExit},
                                     {about_, ids::kMenuAbout},
                                     {checkConnection_, ids::kMenuCheckConnection},
                                     {dashboardItem_, ids::kMenuDashboard}});
#if KORVANE_WITH_GRAPH
    controls.insert(controls.end(), {{viewLog_, ids::kMenuViewLog}, {graph_, ids::kMenuGraph}});
#endif
    SetControlIds(controls);
    memoryAddress_->setProperty(kUpDownIdProperty, m::kMemAddressUpDown);
    memoryCount_->setProperty(kUpDownIdProperty, m::kMemCountUpDown);
    writeAddress_->setProperty(kUpDownIdProperty, m::kWriteAddressUpDown);

    QWidget* previous = nullptr;
    for (const auto& [control, id] : controls) {
        auto* widget = qobject_cast<QWidget*>(control);
        if (widget == nullptr || (widget->focusPolicy() & Qt::TabFocus) == 0) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void MainWindow::Attach(MainActions& actions) {
    MainActions* a = &actions;
    const auto onClick = [this](QAbstractButton* button, auto action) {
        QObject::connect(button, &QAbstractButton::clicked, this, action);
    };
    const auto onMenu = [this](QAction* item, auto action) {
        QObject::connect(item, &QAction::triggered, this, action);
    };
    onMenu(openLog_, [a] { a->OpenLog(); });
    onMenu(closeLog_, [a] { a->CloseLog(); });
    onMenu(checksumFile_, [a] { a->ChecksumFile(); });
    onMenu(dumpMemory_, [a] { a->DumpMemory(); });
    onMenu(exit_, [a] { a->Exit(); });
    onMenu(about_, [a] { a->About(); });
    onMenu(checkConnection_, [a] { a->CheckConnection(); });
    onClick(scanPorts_, [a] { a->ScanPorts(); });
    onClick(getRomId_, [a] { a->GetRomId(); });
    // Typing and a choice confirmed from the list act; what the program does does not.
    QObject::connect(ports_->lineEdit(), &QLineEdit::textEdited, this,
                     [a](const QString& text) { a->ChoosePort(text.toStdString()); });
    QObject::connect(ports_, &QComboBox::activated, this, [this, a](int index) {
        a->ChoosePort(ports_->itemText(index).toStdString());
    });
    QObject::connect(romIds_->lineEdit(), &QLineEdit::textEdited, this,
                     [a](const QString& text) { a->ChooseRomId(text.toStdString()); });
    QObject::connect(romIds_, &QComboBox::activated, this, [this, a](int index) {
        a->ChooseRomId(romIds_->itemText(index).toStdString());
    });
    for (std::size_t i = 0; i < units_.size(); ++i) {
        onClick(units_[i], [a, unit = kUnits[i]] { a->ChooseUnit(unit); });
    }
    onClick(bytes_, [a] { a->ChooseReadMemoryMode(ReadMemoryMode::Bytes); });
    onClick(blocks_, [a] { a->ChooseReadMemoryMode(ReadMemoryMode::Blocks); });
    onClick(memoryRead_, [a] { a->ReadMemory(); });
    onClick(memoryStop_, [a] { a->StopRun(); });
    onClick(memoryClear_, [a] { a->ClearReadMemory(); });
    onClick(parametersRead_, [a] { a->ReadParameters(); });
    onClick(parametersStop_, [a] { a->StopRun(); });
    onClick(write_, [a] { a->WriteMemory(); });
    QObject::connect(&pollTimer_, &QTimer::timeout, this, [a] { a->Tick(); });
}

void MainWindow::OfferDefinitions(DefinitionsHost& host) {
    definitionsHost_ = &host;
    definitions_->setEnabled(true);
}

DefinitionsWindow& MainWindow::OpenDefinitions() {
    if (definitionsWindow_ == nullptr) {
        // Read from the working directory, where the definitions were loaded from.
        definitionsWindow_ = new DefinitionsWindow(*definitionsHost_, "", this);
        definitionsWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    definitionsWindow_->show();
    definitionsWindow_->raise();
    definitionsWindow_->activateWindow();
    return *definitionsWindow_;
}

void MainWindow::SetRunButtons(const RunButtons& buttons) {
    memoryRead_->setEnabled(buttons.memoryRead);
    memoryStop_->setEnabled(buttons.memoryStop);
    parametersRead_->setEnabled(buttons.parametersRead);
    parametersStop_->setEnabled(buttons.parametersStop);
}

void MainWindow::ShowRomIdText(const std::string& text) {
    romId_->setText(ToQt(text));
}

bool MainWindow::RepeatChecked(RepeatBox box) const {
    return (box == RepeatBox::ReadMemory ? memoryRepeat_ : parametersRepeat_)->isChecked();
}

MessageBoxResult MainWindow::ShowMessageBox(const std::string& text, const std::string& caption,
                                            MessageBoxStyle style) {
    return ShowQtMessageBox(this, text, caption, style);
}

bool MainWindow::AskOpenFileName(std::string& path, const FileFilter& filter,
                                 const std::string& initialFolder, const std::string& title,
                                 FileDialogKind kind) {
    return AskQtFileName(this, path, filter, initialFolder, title, kind);
}

void MainWindow::StartPollTimer(int periodMs) {
    pollTimer_.start(std::max(1, periodMs));
}

void MainWindow::AddMessage(const std::string& line) {
    memoryList_->AddLine(line);
}

void MainWindow::ShowMemoryLines(const std::vector<std::string>& lines) {
    memoryList_->SetLines(lines);
}

void MainWindow::ShowPorts(const std::vector<std::string>& names, const std::string& chosen) {
    // The port list keeps its entries sorted; entries equal but for case keep their order.
    std::vector<std::string> sorted = names;
    std::stable_sort(sorted.begin(), sorted.end(), CaseInsensitiveLess);
    Fill(*ports_, sorted, chosen);
}

void MainWindow::ShowPortStatus(const std::string& text, const std::string& details) {
    portStatus_->setText(ToQt(text));
    portStatus_->setToolTip(ToQt(details));
}

void MainWindow::ShowRomIds(const std::vector<std::string>& entries, const std::string& preselect) {
    Fill(*romIds_, entries, preselect);
}

void MainWindow::ShowRomIdView(const RomIdView& view) {
    // The first entry is taken too when it is the one that matches, so the list always
    // shows the selected ROM ID.
    if (const int entry = FindRomIdEntry(Entries(*romIds_), view.romId); entry >= 0) {
        romIds_->setCurrentIndex(entry);
    }
    parameters_->ShowPlaceholders(view.parameters);
    if (view.inputSwitchAddress) {
        inputSwitches_.address->setText(ToQt(*view.inputSwitchAddress));
    }
    if (view.ioSwitchAddress) {
        ioSwitches_.address->setText(ToQt(*view.ioSwitchAddress));
    }
}

void MainWindow::ShowUnit(UnitType unit) {
    for (std::size_t i = 0; i < units_.size(); ++i) {
        units_[i]->setChecked(kUnits[i] == unit);
    }
}

void MainWindow::ShowReadMemoryMode(ReadMemoryMode mode) {
    (mode == ReadMemoryMode::Blocks ? blocks_ : bytes_)->setChecked(true);
}

void MainWindow::ShowSwitchRow(SwitchRow& row, const std::optional<std::uint8_t>& byte) {
    row.value->setText(ToQt(SwitchByteText(byte)));
    for (int bit = 0; bit < 8; ++bit) {
        row.bits[static_cast<std::size_t>(bit)]->setText(ToQt(SwitchBitText(byte, bit)));
    }
}

void MainWindow::ShowParameterPass(const ParameterPassResult& pass) {
    parameters_->ShowPass(pass);
    if (definitionsWindow_ != nullptr && pass.read) {
        definitionsWindow_->Logic().PassShown();
    }
    if (pass.read) {
        ShowSwitchRow(inputSwitches_, pass.switches.input);
        ShowSwitchRow(ioSwitches_, pass.switches.io);
    }
}

void MainWindow::ShowWriteResult(const std::string& text) {
    writeResult_->setText(ToQt(text));
}

void MainWindow::ShowLogStatus(const std::string& text) {
    logStatus_->setText(ToQt(text));
}

std::string MainWindow::MemoryAddressText() const {
    return memoryAddress_->EditText().toStdString();
}

std::string MainWindow::MemoryCountText() const {
    return memoryCount_->EditText().toStdString();
}

std::string MainWindow::WriteAddressText() const {
    return writeAddress_->EditText().toStdString();
}

std::string MainWindow::WriteDataText() const {
    return writeData_->text().toStdString();
}

std::string MainWindow::InputSwitchAddressText() const {
    return inputSwitches_.address->text().toStdString();
}

std::string MainWindow::IoSwitchAddressText() const {
    return ioSwitches_.address->text().toStdString();
}

std::string MainWindow::PortNameText() const {
    return ports_->currentText().toStdString();
}

void MainWindow::OpenAboutBox() {
    auto* about = new AboutBox(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

void MainWindow::OpenDumpDialog(DumpSettings& settings, std::function<void()> afterClose) {
    auto* dialog = new DumpDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The presenter lives as long as its dialog: the connection that holds it goes with
    // the dialog, once the presenter has closed it and is off the stack.
    auto logic = std::make_shared<DumpDialogLogic>(*dialog, context_, settings);
    dialog->Attach(*logic);
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [logic, afterClose = std::move(afterClose)] {
                         if (afterClose) {
                             afterClose();
                         }
                     });
    logic->OnCreate();
    dialog->open();
}

void MainWindow::OpenConnectionCheckDialog(const std::string& portName, bool readRunActive) {
    auto* dialog = new ConnectionCheckDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // As the dump dialog's: the presenter goes with its dialog. Its going stops checks
    // still under way, so closing the main window does not wait for all of them.
    auto logic = std::make_shared<ConnectionCheckLogic>(*dialog, context_, portName, readRunActive);
    dialog->Attach(*logic);
    QObject::connect(dialog, &QDialog::finished, dialog, [logic] {});
    logic->OnCreate();
    dialog->open();
}

void MainWindow::Close() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    pollTimer_.stop();
    event->accept();
}

} // namespace korvane

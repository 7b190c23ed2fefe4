#include "app/qt/dump_dialog.h"

#include "app/qt/control_id.h"
#include "app/qt/dialogs.h"
#include "app/qt/template_geometry.h"
#include "resources/control_ids.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace korvane {

namespace {

namespace d = ids::dump;

QLabel* NewLabel(const QString& text = {}) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

DumpDialog::DumpDialog(QWidget* owner) : QDialog(owner) {
    // Only a title and a close box, as a dialog template has.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(QStringLiteral("RomDump"));
    setProperty("templateId", ids::kDumpTemplate);
    const TemplateGeometry du(*this);

    auto* settings = new QGridLayout;
    settings->addWidget(NewLabel(QStringLiteral("Output file")), 0, 0);
    fileName_ = new QLineEdit;
    fileName_->setMinimumWidth(du.X(150));
    settings->addWidget(fileName_, 0, 1, 1, 3);
    browse_ = new QPushButton(QStringLiteral("Browse"));
    settings->addWidget(browse_, 0, 4);
    const auto addNumberBox = [&](int row, const QString& caption) {
        settings->addWidget(NewLabel(caption), row, 0);
        auto* box = new QLineEdit;
        du.FixWidth(*box, 36);
        settings->addWidget(box, row, 1);
        return box;
    };
    startAddress_ = addNumberBox(1, QStringLiteral("Start Address"));
    bytesToRead_ = addNumberBox(2, QStringLiteral("Bytes to read"));
    prefill_ = addNumberBox(3, QStringLiteral("Pre-fill with"));
    settings->addWidget(NewLabel(QStringLiteral("bytes of 0x00")), 3, 2);
    settings->addWidget(NewLabel(QStringLiteral("Note: all values in hex")), 1, 2, 1, 3,
                        Qt::AlignRight);
    settings->addWidget(NewLabel(QStringLiteral("Unit to read:")), 4, 0);
    auto* units = new QHBoxLayout;
    auto* unitGroup = new QButtonGroup(this);
    ecu_ = new QRadioButton(QStringLiteral("ECU"));
    tcu_ = new QRadioButton(QStringLiteral("TCU"));
    unitGroup->addButton(ecu_);
    unitGroup->addButton(tcu_);
    units->addWidget(ecu_);
    units->addWidget(tcu_);
    units->addStretch(1);
    settings->addLayout(units, 4, 1, 1, 4);
    settings->setColumnStretch(3, 1);

    auto* progressArea = new QVBoxLayout;
    status_ = NewLabel();
    progressArea->addWidget(status_);
    // Room for the three lines of the summary and of the times, so that the dialog keeps
    // its size while they fill in.
    auto* details = new QHBoxLayout;
    summary_ = NewLabel();
    du.MinimumSize(*summary_, 100, 30);
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    details->addWidget(summary_);
    times_ = NewLabel();
    du.MinimumSize(*times_, 110, 30);
    details->addWidget(times_);
    details->addStretch(1);
    progressArea->addLayout(details);
    currentAddress_ = NewLabel();
    progressArea->addWidget(currentAddress_);
    result_ = NewLabel();
    result_->setMinimumWidth(du.X(150));
    progressArea->addWidget(result_);
    progress_ = new QProgressBar;
    progress_->setRange(0, 1000);
    progress_->setValue(0);
    progressArea->addWidget(progress_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    start_ = new QPushButton(QStringLiteral("Start"));
    start_->setDefault(true);
    exit_ = new QPushButton(QStringLiteral("Exit"));
    buttons->addWidget(start_);
    buttons->addWidget(exit_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(settings);
    layout->addSpacing(du.Y(4));
    layout->addLayout(progressArea);
    layout->addLayout(buttons);
    MarkControls();
}

DumpDialog::~DumpDialog() {
    timer_.stop();
}

void DumpDialog::MarkControls() {
    // The controls with their IDs in the template's order, which is also the Tab order.
    const std::vector<std::pair<QObject*, int>> controls = {{fileName_, d::kOutputFile},
                                                            {browse_, d::kBrowse},
                                                            {startAddress_, d::kStartAddress},
                                                            {bytesToRead_, d::kBytesToRead},
                                                            {prefill_, d::kPrefill},
                                                            {ecu_, d::kUnitEcu},
                                                            {tcu_, d::kUnitTcu},
                                                            {status_, d::kStatus},
                                                            {summary_, d::kSummary},
                                                            {times_, d::kTimes},
                                                            {currentAddress_, d::kCurrentAddress},
                                                            {result_, d::kResult},
                                                            {progress_, d::kProgress},
                                                            {start_, d::kStart},
                                                            {exit_, d::kExit}};
    SetControlIds(controls);
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

void DumpDialog::Attach(DumpActions& actions) {
    actions_ = &actions;
    DumpActions* a = &actions;
    connect(start_, &QPushButton::clicked, this, [a] { a->Start(); });
    connect(browse_, &QPushButton::clicked, this, [a] { a->Browse(); });
    connect(ecu_, &QRadioButton::clicked, this, [a] { a->ChooseUnit(UnitType::Ecu); });
    connect(tcu_, &QRadioButton::clicked, this, [a] { a->ChooseUnit(UnitType::Tcu); });
    connect(exit_, &QPushButton::clicked, this, [a] { a->Exit(); });
    connect(&timer_, &QTimer::timeout, this, [a] { a->Tick(); });
}

void DumpDialog::reject() {
    // Escape and the close box ask the presenter; a dialog without one just goes.
    if (actions_ != nullptr) {
        actions_->Exit();
    } else {
        Close();
    }
}

MessageBoxResult DumpDialog::ShowMessageBox(const std::string& text, const std::string& caption,
                                            MessageBoxStyle style) {
    return ShowQtMessageBox(this, text, caption, style);
}

bool DumpDialog::AskOpenFileName(std::string& path, const FileFilter& filter,
                                 const std::string& initialFolder, const std::string& title,
                                 FileDialogKind kind) {
    return AskQtFileName(this, path, filter, initialFolder, title, kind);
}

void DumpDialog::StartTimer(int periodMs) {
    timer_.start(std::max(1, periodMs));
}

void DumpDialog::ShowStatus(const std::string& text) {
    status_->setText(ToQt(text));
}

void DumpDialog::ShowSummary(const std::string& text) {
    summary_->setText(ToQt(text));
}

void DumpDialog::ShowTimes(const std::string& text) {
    times_->setText(ToQt(text));
}

void DumpDialog::ShowCurrentAddress(const std::string& text) {
    currentAddress_->setText(ToQt(text));
}

void DumpDialog::ShowResult(const std::string& text) {
    result_->setText(ToQt(text));
}

void DumpDialog::ShowProgress(long long done, long long total) {
    long long permille = 0;
    if (total > 0) {
        permille = std::clamp(done, 0LL, total) * 1000 / total;
    }
    progress_->setValue(static_cast<int>(permille));
}

void DumpDialog::ShowInputs(const std::string& start, const std::string& count,
                            const std::string& prefill) {
    startAddress_->setText(ToQt(start));
    bytesToRead_->setText(ToQt(count));
    prefill_->setText(ToQt(prefill));
}

void DumpDialog::ShowFileName(const std::string& path) {
    fileName_->setText(ToQt(path));
}

std::string DumpDialog::StartAddressText() const {
    return startAddress_->text().toStdString();
}

std::string DumpDialog::BytesToReadText() const {
    return bytesToRead_->text().toStdString();
}

std::string DumpDialog::PrefillText() const {
    return prefill_->text().toStdString();
}

std::string DumpDialog::FileNameText() const {
    return fileName_->text().toStdString();
}

void DumpDialog::SetInputsEnabled(bool enabled) {
    for (QWidget* input :
         std::initializer_list<QWidget*>{start_, browse_, startAddress_, bytesToRead_, prefill_}) {
        input->setEnabled(enabled);
    }
}

void DumpDialog::ShowUnit(UnitType unit) {
    (unit == UnitType::Tcu ? tcu_ : ecu_)->setChecked(true);
}

void DumpDialog::Beep() {
    QApplication::beep();
}

void DumpDialog::Close() {
    timer_.stop();
    // done, not reject: reject is what Esc and the close box call to ask the presenter.
    done(QDialog::Rejected);
}

} // namespace korvane

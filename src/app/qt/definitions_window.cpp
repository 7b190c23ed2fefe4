#include "app/qt/definitions_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>

namespace korvane {

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* NewLabel(const QString& text = {}) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A label for texts that come and go: it wraps them rather than widening the window.
QLabel* NewShownText(const char* name) {
    QLabel* label = NewLabel();
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

QPushButton* NewButton(const QString& text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    return button;
}

// A byte typed and shown as two hexadecimal digits.
class HexByteBox final : public QSpinBox {
public:
    HexByteBox() {
        setRange(0, 0xFF);
        setDisplayIntegerBase(16);
        setPrefix(QStringLiteral("0x"));
    }

protected:
    QString textFromValue(int value) const override {
        return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
    }
};

// Add, Remove, Up and Down under a table.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    for (QPushButton* button : buttons) {
        row->addWidget(button);
    }
    row->addStretch(1);
    return row;
}

} // namespace

DefinitionsWindow::DefinitionsWindow(DefinitionsHost& host, const std::string& folder,
                                     QWidget* owner)
    : QWidget(owner, Qt::Window),
      groupModel_({QStringLiteral("ROM ID"), QStringLiteral("Name")}, {false, false}),
      entryModel_({QStringLiteral("Parameter"), QStringLiteral("Address")}, {true, true}),
      parameterModel_({QStringLiteral("Name"), QStringLiteral("Format"), QStringLiteral("Formula")},
                      {true, true, true}),
      sweepModel_({QStringLiteral("Byte"), QStringLiteral("Value"), QStringLiteral("Status")},
                  {false, false, false}),
      logic_(*this, host, folder) {
    setWindowTitle(QStringLiteral("Definitions"));
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    undo_ = NewButton(QStringLiteral("Undo"), "undo");
    redo_ = NewButton(QStringLiteral("Redo"), "redo");
    save_ = NewButton(QStringLiteral("Save"), "save");
    top->addWidget(undo_);
    top->addWidget(redo_);
    top->addWidget(save_);
    notice_ = NewShownText("notice");
    top->addWidget(notice_, 1);
    layout->addLayout(top);

    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(BuildMonitorPart());
    split->addWidget(BuildParameterPart());
    split->addWidget(BuildPreviewPart());
    split->setSizes({330, 440, 430});
    layout->addWidget(split, 1);

    layout->addWidget(NewLabel(QStringLiteral("Checks (saving is allowed with them)")));
    findings_ = new QListWidget;
    findings_->setObjectName(QStringLiteral("findings"));
    findings_->setMaximumHeight(fontMetrics().height() * 7);
    layout->addWidget(findings_);

    Connect();
    logic_.OnCreate();
    for (TextTable* table : {groups_, entries_, parameters_}) {
        table->resizeColumnToContents(0);
    }
    resize(1200, 660);
}

QWidget* DefinitionsWindow::BuildMonitorPart() {
    auto* group = new QGroupBox(QStringLiteral("SelectMonitor.ini"));
    auto* layout = new QVBoxLayout(group);
    groups_ = new TextTable(groupModel_);
    groups_->setObjectName(QStringLiteral("groups"));
    groups_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(groups_, 1);
    entries_ = new TextTable(entryModel_);
    entries_->setObjectName(QStringLiteral("entries"));
    layout->addWidget(entries_, 2);
    addEntry_ = NewButton(QStringLiteral("Add"), "addEntry");
    removeEntry_ = NewButton(QStringLiteral("Remove"), "removeEntry");
    entryUp_ = NewButton(QStringLiteral("Up"), "entryUp");
    entryDown_ = NewButton(QStringLiteral("Down"), "entryDown");
    layout->addLayout(ButtonRow({addEntry_, removeEntry_, entryUp_, entryDown_}));
    return group;
}

QWidget* DefinitionsWindow::BuildParameterPart() {
    auto* group = new QGroupBox(QStringLiteral("paramdef.ini"));
    auto* layout = new QVBoxLayout(group);
    parameters_ = new TextTable(parameterModel_);
    parameters_->setObjectName(QStringLiteral("parameters"));
    DefinitionsActions* actions = &logic_;
    parameters_->setItemDelegate(new TypingDelegate(
        [actions](int row, int column, const QString& text) {
            actions->TypeInParameter(row, static_cast<ParameterColumn>(column), text.toStdString());
        },
        parameters_));
    layout->addWidget(parameters_, 1);
    addParameter_ = NewButton(QStringLiteral("Add"), "addParameter");
    removeParameter_ = NewButton(QStringLiteral("Remove"), "removeParameter");
    parameterUp_ = NewButton(QStringLiteral("Up"), "parameterUp");
    parameterDown_ = NewButton(QStringLiteral("Down"), "parameterDown");
    layout->addLayout(ButtonRow({addParameter_, removeParameter_, parameterUp_, parameterDown_}));
    return group;
}

QWidget* DefinitionsWindow::BuildPreviewPart() {
    auto* group = new QGroupBox(QStringLiteral("Preview"));
    auto* layout = new QVBoxLayout(group);
    subject_ = NewShownText("subject");
    layout->addWidget(subject_);
    auto* last = new QHBoxLayout;
    last->addWidget(NewLabel(QStringLiteral("Last pass:")));
    lastPass_ = NewShownText("lastPass");
    last->addWidget(lastPass_, 1);
    layout->addLayout(last);
    auto* typed = new QHBoxLayout;
    typed->addWidget(NewLabel(QStringLiteral("Byte:")));
    byte_ = new HexByteBox;
    byte_->setObjectName(QStringLiteral("byte"));
    typed->addWidget(byte_);
    typed_ = NewShownText("typed");
    typed->addWidget(typed_, 1);
    layout->addLayout(typed);
    auto* read = new QHBoxLayout;
    readNow_ = NewButton(QStringLiteral("Read now"), "readNow");
    read->addWidget(readNow_);
    readNowResult_ = NewShownText("readNowResult");
    read->addWidget(readNowResult_, 1);
    layout->addLayout(read);
    sweep_ = new TextTable(sweepModel_);
    sweep_->setObjectName(QStringLiteral("sweep"));
    sweep_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sweep_->setColumnWidth(0, fontMetrics().horizontalAdvance(QStringLiteral("0xFF")) * 2);
    sweep_->setColumnWidth(1, fontMetrics().horizontalAdvance(QStringLiteral("0000000000 rpm")));
    layout->addWidget(sweep_, 1);
    return group;
}

void DefinitionsWindow::Connect() {
    DefinitionsActions* a = &logic_;
    const auto onClick = [this](QPushButton* button, auto action) {
        QObject::connect(button, &QPushButton::clicked, this, action);
    };
    groups_->OnChoose([a](int row) { a->ChooseGroup(row); });
    entries_->OnChoose([a](int row) { a->ChooseEntry(row); });
    parameters_->OnChoose([a](int row) { a->ChooseParameter(row); });
    entryModel_.SetEditHandler([a](int row, int column, const QString& text) {
        a->EditEntry(row, static_cast<EntryColumn>(column), text.toStdString());
    });
    parameterModel_.SetEditHandler([a](int row, int column, const QString& text) {
        a->EditParameter(row, static_cast<ParameterColumn>(column), text.toStdString());
    });
    onClick(addEntry_, [a] { a->AddEntry(); });
    onClick(removeEntry_, [a] { a->RemoveEntry(); });
    onClick(entryUp_, [a] { a->MoveEntry(-1); });
    onClick(entryDown_, [a] { a->MoveEntry(1); });
    onClick(addParameter_, [a] { a->AddParameter(); });
    onClick(removeParameter_, [a] { a->RemoveParameter(); });
    onClick(parameterUp_, [a] { a->MoveParameter(-1); });
    onClick(parameterDown_, [a] { a->MoveParameter(1); });
    onClick(undo_, [a] { a->Undo(); });
    onClick(redo_, [a] { a->Redo(); });
    onClick(save_, [a] { a->Save(); });
    onClick(readNow_, [a] { a->ReadNow(); });
    QObject::connect(byte_, &QSpinBox::valueChanged, this,
                     [a](int value) { a->ChoosePreviewByte(static_cast<std::uint8_t>(value)); });
    // The keys of the buttons; a cell being edited takes its own Ctrl+Z first.
    const auto key = [this](QKeySequence sequence, QPushButton* button) {
        auto* action = new QAction(this);
        action->setShortcut(sequence);
        addAction(action);
        QObject::connect(action, &QAction::triggered, button, [button] {
            if (button->isEnabled()) {
                button->click();
            }
        });
    };
    key(QKeySequence::Undo, undo_);
    key(QKeySequence::Redo, redo_);
    key(QKeySequence::Save, save_);
}

void DefinitionsWindow::ShowGroups(const std::vector<MonitorGroupRow>& groups, int selected) {
    std::vector<QStringList> rows;
    for (const MonitorGroupRow& group : groups) {
        rows.push_back({ToQt(group.romId), ToQt(group.name)});
    }
    groups_->Show(std::move(rows), selected);
}

void DefinitionsWindow::ShowEntries(const std::vector<MonitorEntryRow>& entries, int selected) {
    std::vector<QStringList> rows;
    for (const MonitorEntryRow& entry : entries) {
        rows.push_back({ToQt(entry.name), ToQt(entry.address)});
    }
    entries_->Show(std::move(rows), selected);
    for (QPushButton* button : {removeEntry_, entryUp_, entryDown_}) {
        button->setEnabled(selected >= 0);
    }
}

void DefinitionsWindow::ShowParameters(const std::vector<ParameterFileRow>& parameters,
                                       int selected) {
    std::vector<QStringList> rows;
    for (const ParameterFileRow& parameter : parameters) {
        rows.push_back({ToQt(parameter.name), ToQt(parameter.format), ToQt(parameter.formula)});
    }
    parameters_->Show(std::move(rows), selected);
    for (QPushButton* button : {removeParameter_, parameterUp_, parameterDown_}) {
        button->setEnabled(selected >= 0);
    }
}

void DefinitionsWindow::ShowPreview(const FormulaPreviewView& preview) {
    subject_->setText(preview.subject.empty()
                          ? QStringLiteral("Choose a parameter or an address line.")
                          : ToQt(preview.subject));
    lastPass_->setText(ToQt(preview.lastPass));
    typed_->setText(preview.subject.empty() ? QString() : ToQt(PreviewLine(preview.typed)));
    readNow_->setEnabled(!preview.readAddress.empty());
    readNow_->setText(preview.readAddress.empty()
                          ? QStringLiteral("Read now")
                          : QStringLiteral("Read %1 now").arg(ToQt(preview.readAddress)));
    readNowResult_->setText(ToQt(preview.readNow));
    std::vector<QStringList> rows;
    rows.reserve(preview.sweep.size());
    for (const PreviewValue& value : preview.sweep) {
        rows.push_back({ToQt(value.byte), ToQt(value.value), ToQt(value.report)});
    }
    sweep_->Show(std::move(rows), -1);
}

void DefinitionsWindow::ShowFindings(const std::vector<std::string>& findings) {
    findings_->clear();
    for (const std::string& finding : findings) {
        findings_->addItem(ToQt(finding));
    }
}

void DefinitionsWindow::ShowEditState(bool canUndo, bool canRedo, bool unsaved) {
    undo_->setEnabled(canUndo);
    redo_->setEnabled(canRedo);
    unsaved_ = unsaved;
    setWindowTitle(unsaved ? QStringLiteral("Definitions *") : QStringLiteral("Definitions"));
}

void DefinitionsWindow::ShowNotice(const std::string& text) {
    notice_->setText(ToQt(text));
}

void DefinitionsWindow::closeEvent(QCloseEvent* event) {
    if (unsaved_ && QMessageBox::question(
                        this, QStringLiteral("Definitions"),
                        QStringLiteral("The changes have not been saved. Close anyway?"),
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace korvane

#include "app/qt/connection_check_dialog.h"

#include "app/qt/dialogs.h"
#include "app/qt/template_geometry.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <vector>

namespace korvane {

namespace {

enum Column { kMark, kCheck, kFinding, kColumns };

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

QIcon MarkIcon(const QStyle& style, StepMark mark) {
    switch (mark) {
    case StepMark::Ok:
        return style.standardIcon(QStyle::SP_DialogApplyButton);
    case StepMark::Warning:
        return style.standardIcon(QStyle::SP_MessageBoxWarning);
    case StepMark::Failed:
        return style.standardIcon(QStyle::SP_MessageBoxCritical);
    case StepMark::Skipped:
        break;
    }
    return {};
}

} // namespace

ConnectionCheckDialog::ConnectionCheckDialog(QWidget* owner) : QDialog(owner) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(QStringLiteral("Check connection"));
    const TemplateGeometry du(*this);

    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("status"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);

    steps_ = new QTreeWidget;
    steps_->setObjectName(QStringLiteral("steps"));
    steps_->setColumnCount(kColumns);
    steps_->setHeaderLabels({QString(), QStringLiteral("Check"), QStringLiteral("Finding")});
    steps_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Findings and fixes are whole sentences: the list scrolls rather than cut them short.
    QHeaderView& header = *steps_->header();
    header.setSectionResizeMode(QHeaderView::ResizeToContents);
    header.setStretchLastSection(false);
    du.MinimumSize(*steps_, 520, 160);

    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    cancel_->setObjectName(QStringLiteral("cancel"));
    saveReport_ = new QPushButton(QStringLiteral("Save report..."));
    saveReport_->setObjectName(QStringLiteral("saveReport"));
    close_ = new QPushButton(QStringLiteral("Close"));
    close_->setObjectName(QStringLiteral("close"));
    close_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    buttons->addWidget(saveReport_);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(steps_, 1);
    layout->addLayout(buttons);
}

void ConnectionCheckDialog::Attach(ConnectionCheckActions& actions) {
    actions_ = &actions;
    ConnectionCheckActions* a = &actions;
    connect(cancel_, &QPushButton::clicked, this, [a] { a->Cancel(); });
    connect(saveReport_, &QPushButton::clicked, this, [a] { a->SaveReport(); });
    connect(close_, &QPushButton::clicked, this, [a] { a->Exit(); });
}

void ConnectionCheckDialog::reject() {
    if (actions_ != nullptr) {
        actions_->Exit();
    } else {
        Close();
    }
}

MessageBoxResult ConnectionCheckDialog::ShowMessageBox(const std::string& text,
                                                       const std::string& caption,
                                                       MessageBoxStyle style) {
    return ShowQtMessageBox(this, text, caption, style);
}

bool ConnectionCheckDialog::AskOpenFileName(std::string& path, const FileFilter& filter,
                                            const std::string& initialFolder,
                                            const std::string& title, FileDialogKind kind) {
    return AskQtFileName(this, path, filter, initialFolder, title, kind);
}

void ConnectionCheckDialog::ShowStatus(const std::string& text) {
    status_->setText(ToQt(text));
}

void ConnectionCheckDialog::AddStep(const DoctorStep& step) {
    auto* row = new QTreeWidgetItem(steps_);
    row->setIcon(kMark, MarkIcon(*style(), step.mark));
    row->setText(kMark, QString::fromLatin1(MarkText(step.mark)));
    row->setText(kCheck, ToQt(step.title));
    row->setText(kFinding, ToQt(step.finding));
    // What the finding rests on, one fact a line, then the likely cause and the fix; open
    // where something is to be done.
    std::vector<std::string> below = step.evidence;
    if (!step.cause.empty()) {
        below.push_back("cause: " + step.cause);
    }
    if (!step.fix.empty()) {
        below.push_back("fix: " + step.fix);
    }
    for (const std::string& fact : below) {
        auto* line = new QTreeWidgetItem(row);
        line->setText(kFinding, ToQt(fact));
    }
    row->setExpanded(step.mark == StepMark::Failed || step.mark == StepMark::Warning);
    steps_->scrollToItem(row);
}

void ConnectionCheckDialog::SetButtons(bool cancel, bool saveReport) {
    cancel_->setEnabled(cancel);
    saveReport_->setEnabled(saveReport);
}

void ConnectionCheckDialog::Close() {
    // done, not reject: reject is what Escape and the close box call to ask the presenter.
    done(QDialog::Rejected);
}

} // namespace korvane

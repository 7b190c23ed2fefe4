#include "app/qt/qt_window.h"

#include "app/qt/command_combo_box.h"
#include "app/qt/dialogs.h"
#include "app/qt/qt_shell.h"
#include "app/qt/tab_stop_list.h"
#include "app/qt/up_down_spin_box.h"
#include "app/qt/window_hosts.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QWindow>
#include <algorithm>

namespace korvane {

namespace {

constexpr int kDialogOk = 1;
constexpr int kDialogCancel = 2;

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

// Sets a check even on the checked button of an exclusive group, which Qt would refuse to
// uncheck; nothing reports a command for it.
void SetButtonCheck(QAbstractButton& button, bool checked) {
    QButtonGroup* group = button.group();
    const bool exclusive = group != nullptr && group->exclusive();
    if (exclusive) {
        group->setExclusive(false);
    }
    button.setChecked(checked);
    if (exclusive) {
        group->setExclusive(true);
    }
}

// Makes `dialog` a window of `owner`'s without giving it a Qt parent: the window system
// keeps it above the owner, it opens centred on it, and a window-modal dialog blocks it.
void StayAbove(QWidget& dialog, QWidget& owner) {
    QWidget* ownerWindow = owner.window();
    ownerWindow->winId();
    dialog.winId();
    dialog.windowHandle()->setTransientParent(ownerWindow->windowHandle());
}

} // namespace

QtWindow::QtWindow(QtShell& shell, int templateId, Kind kind, QWidget* owner)
    : shell_(shell), templateId_(templateId), kind_(kind) {
    if (kind == Kind::Main) {
        auto host = std::make_unique<MainWindowHost>([this] { timer_.stop(); });
        content_ = new QWidget(host.get());
        host->setCentralWidget(content_);
        host_ = std::move(host);
    } else {
        host_ = std::make_unique<DialogHost>([this] { Dispatch(kDialogCancel, 0); });
        content_ = host_.get();
        if (owner != nullptr) {
            StayAbove(*host_, *owner);
        }
    }
    host_->setProperty("templateId", templateId);
    controls_ = std::make_unique<ControlSet>(
        *content_, [this](int id, int notification) { Dispatch(id, notification); });
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
        if (logic_) {
            logic_->OnTimer();
        }
    });
}

QtWindow::~QtWindow() {
    timer_.stop();
    // The logic goes first (it may still hold on to this window), then the widgets, and
    // the control set last because the widgets' connections call into it.
    logic_.reset();
    host_.reset();
    controls_.reset();
}

QMainWindow* QtWindow::MainHost() const {
    return dynamic_cast<QMainWindow*>(host_.get());
}

void QtWindow::Start(std::unique_ptr<WindowLogic> logic) {
    logic_ = std::move(logic);
    if (logic_) {
        logic_->OnCreate();
    }
}

void QtWindow::Dispatch(int id, int notification) {
    if (logic_) {
        logic_->OnCommand(id, notification);
        return;
    }
    // A dialog without behaviour must still be able to go away.
    if (kind_ == Kind::Dialog && (id == kDialogOk || id == kDialogCancel)) {
        Close();
    }
}

void QtWindow::SetText(int id, const std::string& text) {
    QWidget* control = controls_->Find(id);
    if (auto* edit = dynamic_cast<QLineEdit*>(control)) {
        edit->setText(ToQt(text));
    } else if (auto* upDown = dynamic_cast<UpDownSpinBox*>(control)) {
        upDown->SetEditText(ToQt(text));
    } else if (auto* combo = dynamic_cast<QComboBox*>(control)) {
        combo->setEditText(ToQt(text));
    } else if (auto* label = dynamic_cast<QLabel*>(control)) {
        label->setText(ToQt(text));
    } else if (auto* button = dynamic_cast<QAbstractButton*>(control)) {
        button->setText(ToQt(text));
    } else if (auto* group = dynamic_cast<QGroupBox*>(control)) {
        group->setTitle(ToQt(text));
    } else if (QAction* action = controls_->FindMenuCommand(id)) {
        action->setText(ToQt(text));
    }
}

std::string QtWindow::GetText(int id) const {
    QWidget* control = controls_->Find(id);
    QString text;
    if (auto* edit = dynamic_cast<QLineEdit*>(control)) {
        text = edit->text();
    } else if (auto* upDown = dynamic_cast<UpDownSpinBox*>(control)) {
        text = upDown->EditText();
    } else if (auto* combo = dynamic_cast<QComboBox*>(control)) {
        text = combo->currentText();
    } else if (auto* label = dynamic_cast<QLabel*>(control)) {
        text = label->text();
    } else if (auto* button = dynamic_cast<QAbstractButton*>(control)) {
        text = button->text();
    } else if (auto* group = dynamic_cast<QGroupBox*>(control)) {
        text = group->title();
    } else if (QAction* action = controls_->FindMenuCommand(id)) {
        text = action->text();
    }
    return text.toStdString();
}

void QtWindow::Enable(int id, bool enabled) {
    if (QWidget* control = controls_->Find(id)) {
        control->setEnabled(enabled);
    } else if (QAction* action = controls_->FindMenuCommand(id)) {
        action->setEnabled(enabled);
    }
}

void QtWindow::SetToolTip(int id, const std::string& text) {
    if (QWidget* control = controls_->Find(id)) {
        control->setToolTip(ToQt(text));
    } else if (QAction* action = controls_->FindMenuCommand(id)) {
        action->setToolTip(ToQt(text));
    }
}

bool QtWindow::IsChecked(int id) const {
    const auto* button = controls_->Find<QAbstractButton>(id);
    return button != nullptr && button->isCheckable() && button->isChecked();
}

void QtWindow::SetChecked(int id, bool checked) {
    if (auto* button = controls_->Find<QAbstractButton>(id); button && button->isCheckable()) {
        SetButtonCheck(*button, checked);
    }
}

void QtWindow::CheckRadioButton(int first, int last, int id) {
    for (int each = std::min(first, last); each <= std::max(first, last); ++each) {
        if (auto* button = controls_->Find<QAbstractButton>(each);
            button && button->isCheckable()) {
            SetButtonCheck(*button, each == id);
        }
    }
}

void QtWindow::ListReset(int id) {
    if (auto* list = controls_->Find<TabStopList>(id)) {
        list->clear();
    }
}

void QtWindow::ListAdd(int id, const std::string& line) {
    if (auto* list = controls_->Find<TabStopList>(id)) {
        list->addItem(ToQt(line));
    }
}

void QtWindow::ListSetLines(int id, const std::vector<std::string>& lines) {
    auto* list = controls_->Find<TabStopList>(id);
    if (list == nullptr) {
        return;
    }
    const int wanted = static_cast<int>(lines.size());
    while (list->count() > wanted) {
        delete list->takeItem(list->count() - 1);
    }
    for (int row = 0; row < wanted; ++row) {
        const QString text = ToQt(lines[static_cast<std::size_t>(row)]);
        if (row < list->count()) {
            if (QListWidgetItem* item = list->item(row); item->text() != text) {
                item->setText(text);
            }
        } else {
            list->addItem(text);
        }
    }
    // New lines replace the old as a reset would: no row stays marked as chosen.
    if (list->currentRow() >= 0) {
        list->setCurrentRow(-1);
    }
}

void QtWindow::SetTabStops(int id, const std::vector<int>& stops) {
    if (auto* list = controls_->Find<TabStopList>(id)) {
        list->SetTabStops(stops);
    }
}

void QtWindow::ComboReset(int id) {
    if (auto* combo = controls_->Find<CommandComboBox>(id)) {
        combo->Reset();
    }
}

int QtWindow::ComboAdd(int id, const std::string& text) {
    auto* combo = controls_->Find<CommandComboBox>(id);
    return combo != nullptr ? combo->Add(ToQt(text)) : -1;
}

int QtWindow::ComboCount(int id) const {
    const auto* combo = controls_->Find<CommandComboBox>(id);
    return combo != nullptr ? combo->count() : 0;
}

std::string QtWindow::ComboItemText(int id, int index) const {
    const auto* combo = controls_->Find<CommandComboBox>(id);
    if (combo == nullptr || index < 0 || index >= combo->count()) {
        return {};
    }
    return combo->itemText(index).toStdString();
}

int QtWindow::ComboSelection(int id) const {
    const auto* combo = controls_->Find<CommandComboBox>(id);
    return combo != nullptr ? combo->currentIndex() : -1;
}

void QtWindow::ComboSetSelection(int id, int index) {
    if (auto* combo = controls_->Find<CommandComboBox>(id)) {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

void QtWindow::SetUpDown(const UpDownSetup& setup) {
    // The edit and its up-down are one spin box here, found by either ID.
    auto* box = controls_->Find<UpDownSpinBox>(setup.upDownId);
    if (box != nullptr && controls_->Find(setup.editId) == box) {
        box->Attach(setup.base, setup.lower, setup.upper, setup.position);
    }
}

void QtWindow::SetProgress(int id, long long done, long long total) {
    auto* progress = controls_->Find<QProgressBar>(id);
    if (progress == nullptr) {
        return;
    }
    long long permille = 0;
    if (total > 0) {
        permille = std::clamp(done, 0LL, total) * 1000 / total;
    }
    progress->setValue(static_cast<int>(permille));
}

MessageBoxResult QtWindow::ShowMessageBox(const std::string& text, const std::string& caption,
                                          MessageBoxStyle style) {
    return ShowQtMessageBox(host_.get(), text, caption, style);
}

bool QtWindow::AskOpenFileName(std::string& path, const FileFilter& filter,
                               const std::string& initialFolder, const std::string& title,
                               FileDialogKind kind) {
    return AskQtFileName(host_.get(), path, filter, initialFolder, title, kind);
}

void QtWindow::Beep() {
    QApplication::beep();
}

void QtWindow::StartTimer(int periodMs) {
    timer_.start(std::max(1, periodMs));
}

void QtWindow::OpenModalDialog(int templateId, std::function<void()> afterClose) {
    shell_.OpenModalDialog(templateId, host_.get(), std::move(afterClose));
}

void QtWindow::Close() {
    timer_.stop();
    if (auto* dialog = dynamic_cast<QDialog*>(host_.get())) {
        // done, not reject: reject is what Esc and the close box call to ask the logic.
        dialog->done(QDialog::Rejected);
    } else {
        host_->close();
    }
}

} // namespace korvane

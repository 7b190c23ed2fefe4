#include "app/qt/qt_window.h"

#include "app/qt/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QWindow>
#include <algorithm>
#include <utility>

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

// Esc and the close box ask the logic instead of closing the dialog.
class QtWindow::DialogHost : public QDialog {
public:
    explicit DialogHost(std::function<void()> onCancel) : onCancel_(std::move(onCancel)) {
        // Only a title and a close box, as a dialog template has.
        setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    }

    void reject() override {
        if (onCancel_) {
            onCancel_();
        }
    }

private:
    std::function<void()> onCancel_;
};

QtWindow::QtWindow(int templateId, QWidget* owner) : templateId_(templateId) {
    host_ = std::make_unique<DialogHost>([this] { Dispatch(kDialogCancel, 0); });
    if (owner != nullptr) {
        StayAbove(*host_, *owner);
    }
    host_->setProperty("templateId", templateId);
    controls_ = std::make_unique<ControlSet>(
        *host_, [this](int id, int notification) { Dispatch(id, notification); });
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
    if (id == kDialogOk || id == kDialogCancel) {
        Close();
    }
}

void QtWindow::SetText(int id, const std::string& text) {
    QWidget* control = controls_->Find(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(ToQt(text));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(ToQt(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(ToQt(text));
    }
}

std::string QtWindow::GetText(int id) const {
    QWidget* control = controls_->Find(id);
    QString text;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        text = edit->text();
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        text = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        text = button->text();
    }
    return text.toStdString();
}

void QtWindow::Enable(int id, bool enabled) {
    if (QWidget* control = controls_->Find(id)) {
        control->setEnabled(enabled);
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

void QtWindow::Close() {
    timer_.stop();
    // done, not reject: reject is what Esc and the close box call to ask the logic.
    host_->done(QDialog::Rejected);
}

} // namespace korvane

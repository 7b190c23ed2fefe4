#include "app/qt/qt_shell.h"

#include "app/qt/dialogs.h"
#include "app/qt/qt_window.h"
#include "app/qt/window_templates.h"
#include "resources/control_ids.h"

#include <QDialog>
#include <QWidget>
#include <utility>

namespace korvane {

namespace {

// Chains the Tab order of the dialog's focusable controls in the order they were added.
void ApplyTemplateTabOrder(QtWindow& window) {
    const std::vector<QWidget*> order = window.Controls().TabOrder();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace

QtShell::QtShell() = default;

QtShell::~QtShell() = default;

std::unique_ptr<QtWindow> QtShell::BuildDialog(int templateId, QWidget* owner,
                                               const WindowLogicMaker& makeLogic) {
    auto window = std::make_unique<QtWindow>(templateId, owner);
    switch (templateId) {
    case ids::kDumpTemplate:
        BuildDumpDialogTemplate(*window);
        break;
    case ids::kAboutTemplate:
        BuildAboutBoxTemplate(*window);
        break;
    default:
        return nullptr;
    }
    ApplyTemplateTabOrder(*window);
    window->Start(makeLogic ? makeLogic(*window) : nullptr);
    return window;
}

void QtShell::OpenModalDialog(int templateId, QWidget* owner, const WindowLogicMaker& makeLogic,
                              std::function<void()> afterClose) {
    std::unique_ptr<QtWindow> built = BuildDialog(templateId, owner, makeLogic);
    if (!built) {
        if (afterClose) {
            afterClose();
        }
        return;
    }
    QtWindow* dialog = built.get();
    QDialog& host = dialog->Host();
    openDialogs_.push_back(std::move(built));
    QObject::connect(&host, &QDialog::finished, &lifetime_, [this, dialog, afterClose] {
        if (afterClose) {
            afterClose();
        }
        // The dialog's own logic is still on the stack (it closed the dialog), so the
        // dialog goes once control is back in the event loop.
        QMetaObject::invokeMethod(
            &lifetime_,
            [this, dialog] {
                std::erase_if(openDialogs_,
                              [dialog](const auto& open) { return open.get() == dialog; });
            },
            Qt::QueuedConnection);
    });
    host.open();
}

MessageBoxResult QtShell::ShowMessageBox(const std::string& text, const std::string& caption,
                                         MessageBoxStyle style) {
    return ShowQtMessageBox(nullptr, text, caption, style);
}

} // namespace korvane

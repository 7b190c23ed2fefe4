#include "app/qt/qt_shell.h"

#include "app/main_window_logic.h"
#include "app/qt/dialogs.h"
#include "app/qt/qt_window.h"
#include "app/qt/window_templates.h"
#include "resources/control_ids.h"

#if KORVANE_WITH_GRAPH
#include "app/qt/live_graph_feed.h"
#endif

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <utility>

namespace korvane {

QtShell::QtShell(WindowLogicFactory logicFactory) : logicFactory_(std::move(logicFactory)) {}

QtShell::~QtShell() = default;

std::unique_ptr<QtWindow> QtShell::BuildWindow(int templateId, QWidget* owner) {
    std::unique_ptr<QtWindow> window;
    switch (templateId) {
    case ids::kMainTemplate:
        window = std::make_unique<QtWindow>(*this, templateId, QtWindow::Kind::Main, owner);
        BuildMainWindowTemplate(*window);
        break;
    case ids::kDumpTemplate:
        window = std::make_unique<QtWindow>(*this, templateId, QtWindow::Kind::Dialog, owner);
        BuildDumpDialogTemplate(*window);
        break;
    case ids::kAboutTemplate:
        window = std::make_unique<QtWindow>(*this, templateId, QtWindow::Kind::Dialog, owner);
        BuildAboutBoxTemplate(*window);
        break;
    default:
        return nullptr;
    }
    ApplyTemplateTabOrder(*window);
    std::unique_ptr<WindowLogic> logic;
    if (logicFactory_) {
        logic = logicFactory_(templateId, *window);
    }
#if KORVANE_WITH_GRAPH
    if (auto* mainLogic = dynamic_cast<MainWindowLogic*>(logic.get())) {
        FeedLiveGraph(*mainLogic, window->Host());
    }
#endif
    window->Start(std::move(logic));
    return window;
}

void QtShell::OpenModalDialog(int templateId, QWidget* owner, std::function<void()> afterClose) {
    std::unique_ptr<QtWindow> built = BuildWindow(templateId, owner);
    auto* host = built ? qobject_cast<QDialog*>(&built->Host()) : nullptr;
    if (host == nullptr) {
        if (afterClose) {
            afterClose();
        }
        return;
    }
    QtWindow* dialog = built.get();
    openDialogs_.push_back(std::move(built));
    QObject::connect(host, &QDialog::finished, &lifetime_, [this, dialog, afterClose] {
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
    host->open();
}

int QtShell::RunMainWindow() {
    std::unique_ptr<QtWindow> window = BuildWindow(ids::kMainTemplate, nullptr);
    if (!window) {
        return 1;
    }
    QWidget& host = window->Host();
    host.adjustSize();
    if (const QScreen* screen = QApplication::primaryScreen()) {
        host.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, host.size(),
                                             screen->availableGeometry()));
    }
    host.show();
    return QApplication::exec();
}

MessageBoxResult QtShell::ShowMessageBox(const std::string& text, const std::string& caption,
                                         MessageBoxStyle style) {
    return ShowQtMessageBox(nullptr, text, caption, style);
}

} // namespace korvane

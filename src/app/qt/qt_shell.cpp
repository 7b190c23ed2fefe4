#include "app/qt/qt_shell.h"

#include "app/main_window_logic.h"
#include "app/qt/dialogs.h"
#include "app/qt/live_graph_feed.h"
#include "app/qt/qt_window.h"
#include "app/qt/window_templates.h"
#include "resources/control_ids.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <utility>

namespace korvane {

QtShell::QtShell(WindowLogicFactory logicFactory) : logicFactory_(std::move(logicFactory)) {}

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
    if (auto* mainLogic = dynamic_cast<MainWindowLogic*>(logic.get())) {
        FeedLiveGraph(*mainLogic, window->Host());
    }
    window->Start(std::move(logic));
    return window;
}

void QtShell::RunModalDialog(int templateId, QWidget* owner) {
    if (std::unique_ptr<QtWindow> dialog = BuildWindow(templateId, owner)) {
        dialog->RunModal();
    }
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

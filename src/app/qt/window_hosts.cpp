#include "app/qt/window_hosts.h"

#include <QCloseEvent>
#include <utility>

namespace korvane {

MainWindowHost::MainWindowHost(std::function<void()> onClosed) : onClosed_(std::move(onClosed)) {}

void MainWindowHost::closeEvent(QCloseEvent* event) {
    if (onClosed_) {
        onClosed_();
    }
    event->accept();
}

DialogHost::DialogHost(std::function<void()> onCancel) : onCancel_(std::move(onCancel)) {
    // Only a title and a close box, as a dialog template has.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void DialogHost::reject() {
    if (onCancel_) {
        onCancel_();
    }
}

} // namespace korvane

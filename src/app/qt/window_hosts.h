#pragma once

#include <QDialog>
#include <QMainWindow>
#include <functional>

namespace korvane {

// The program's main window. Closing it (close box, system menu, Alt+F4, or the logic's
// Close) always succeeds; `onClosed` runs first so that no timer tick follows.
class MainWindowHost : public QMainWindow {
public:
    explicit MainWindowHost(std::function<void()> onClosed);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> onClosed_;
};

// A modal dialog. Esc and the close box do not close it: they report command 2 and the
// logic decides (it calls Close to end the dialog).
class DialogHost : public QDialog {
public:
    explicit DialogHost(std::function<void()> onCancel);

    void reject() override;

private:
    std::function<void()> onCancel_;
};

} // namespace korvane

#pragma once

#include "app/qt/control_set.h"
#include "app/window.h"
#include "app/window_logic.h"

#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

namespace korvane {

// A modal dialog of the program on Qt: its controls, found by ID, and the logic that
// drives it. It only forwards: clicks to the logic as commands, timer ticks to OnTimer,
// and the logic's requests to the widgets. Esc and the close box do not close it: they
// report command 2 and the logic decides (it calls Close to end the dialog).
class QtWindow : public Window {
public:
    QtWindow(int templateId, QWidget* owner);
    ~QtWindow() override;
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

    int TemplateId() const { return templateId_; }
    QDialog& Host() const { return *host_; }
    ControlSet& Controls() { return *controls_; }
    const ControlSet& Controls() const { return *controls_; }

    // Hands the window its logic (null leaves it without behaviour) and runs OnCreate.
    void Start(std::unique_ptr<WindowLogic> logic);

    void SetText(int id, const std::string& text) override;
    std::string GetText(int id) const override;
    void Enable(int id, bool enabled) override;
    void CheckRadioButton(int first, int last, int id) override;
    void SetProgress(int id, long long done, long long total) override;
    MessageBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                    MessageBoxStyle style) override;
    bool AskOpenFileName(std::string& path, const FileFilter& filter,
                         const std::string& initialFolder, const std::string& title,
                         FileDialogKind kind) override;
    void Beep() override;
    void StartTimer(int periodMs) override;
    void Close() override;

private:
    class DialogHost;
    void Dispatch(int id, int notification);

    int templateId_;
    // The window's only owner: a dialog has no Qt parent, its owner is its transient parent.
    std::unique_ptr<QDialog> host_;
    std::unique_ptr<ControlSet> controls_;
    QTimer timer_;
    std::unique_ptr<WindowLogic> logic_;
};

} // namespace korvane

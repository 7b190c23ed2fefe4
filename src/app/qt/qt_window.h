#pragma once

#include "app/qt/control_set.h"
#include "app/window.h"
#include "app/window_logic.h"

#include <QTimer>
#include <memory>

class QMainWindow;
class QWidget;

namespace korvane {

class QtShell;

// One window or dialog of the program on Qt: its controls, found by ID, and the logic
// that drives it. It only forwards: user actions to the logic as commands, timer ticks to
// OnTimer, and the logic's requests to the widgets.
class QtWindow : public Window {
public:
    enum class Kind { Main, Dialog };

    QtWindow(QtShell& shell, int templateId, Kind kind, QWidget* owner);
    ~QtWindow() override;
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

    int TemplateId() const { return templateId_; }
    Kind WindowKind() const { return kind_; }
    // The top-level widget: a QMainWindow for the main window, a QDialog otherwise.
    QWidget& Host() const { return *host_; }
    // Where the template puts its controls (the main window's central widget).
    QWidget& Content() const { return *content_; }
    QMainWindow* MainHost() const;
    ControlSet& Controls() { return *controls_; }
    const ControlSet& Controls() const { return *controls_; }

    // Hands the window its logic (null leaves it without behaviour) and runs OnCreate.
    void Start(std::unique_ptr<WindowLogic> logic);

    void SetText(int id, const std::string& text) override;
    std::string GetText(int id) const override;
    void Enable(int id, bool enabled) override;
    void SetToolTip(int id, const std::string& text) override;
    bool IsChecked(int id) const override;
    void SetChecked(int id, bool checked) override;
    void CheckRadioButton(int first, int last, int id) override;
    void ListReset(int id) override;
    void ListAdd(int id, const std::string& line) override;
    void ListSetLines(int id, const std::vector<std::string>& lines) override;
    void SetTabStops(int id, const std::vector<int>& stops) override;
    void ComboReset(int id) override;
    int ComboAdd(int id, const std::string& text) override;
    int ComboCount(int id) const override;
    std::string ComboItemText(int id, int index) const override;
    int ComboSelection(int id) const override;
    void ComboSetSelection(int id, int index) override;
    void SetUpDown(const UpDownSetup& setup) override;
    void SetProgress(int id, long long done, long long total) override;
    MessageBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                    MessageBoxStyle style) override;
    bool AskOpenFileName(std::string& path, const FileFilter& filter,
                         const std::string& initialFolder, const std::string& title,
                         FileDialogKind kind) override;
    void Beep() override;
    void StartTimer(int periodMs) override;
    void OpenModalDialog(int templateId, std::function<void()> afterClose) override;
    void Close() override;

private:
    void Dispatch(int id, int notification);

    QtShell& shell_;
    int templateId_;
    Kind kind_;
    // The window's only owner: a dialog has no Qt parent, its owner is its transient parent.
    std::unique_ptr<QWidget> host_;
    QWidget* content_ = nullptr;
    std::unique_ptr<ControlSet> controls_;
    QTimer timer_;
    std::unique_ptr<WindowLogic> logic_;
};

} // namespace korvane

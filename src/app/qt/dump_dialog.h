#pragma once

#include "app/dump_view.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace korvane {

// The ROM dump dialog (template 1020): the controls of its template, showing what its
// presenter tells it and passing the user's actions on. Escape and the close box do not
// close it: they are Exit, and the presenter decides when it closes.
class DumpDialog final : public QDialog, public DumpView {
public:
    explicit DumpDialog(QWidget* owner = nullptr);
    ~DumpDialog() override;

    // Passes the user's actions and the timer's ticks to `actions` from now on.
    void Attach(DumpActions& actions);

    void reject() override;

    MessageBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                    MessageBoxStyle style) override;
    bool AskOpenFileName(std::string& path, const FileFilter& filter,
                         const std::string& initialFolder, const std::string& title,
                         FileDialogKind kind) override;
    void StartTimer(int periodMs) override;
    void ShowStatus(const std::string& text) override;
    void ShowSummary(const std::string& text) override;
    void ShowTimes(const std::string& text) override;
    void ShowCurrentAddress(const std::string& text) override;
    void ShowResult(const std::string& text) override;
    void ShowProgress(long long done, long long total) override;
    void ShowInputs(const std::string& start, const std::string& count,
                    const std::string& prefill) override;
    void ShowFileName(const std::string& path) override;
    std::string StartAddressText() const override;
    std::string BytesToReadText() const override;
    std::string PrefillText() const override;
    std::string FileNameText() const override;
    void SetInputsEnabled(bool enabled) override;
    void ShowUnit(UnitType unit) override;
    void Beep() override;
    void Close() override;

private:
    void MarkControls();

    QTimer timer_;
    DumpActions* actions_ = nullptr;

    QLineEdit* fileName_ = nullptr;
    QPushButton* browse_ = nullptr;
    QLineEdit* startAddress_ = nullptr;
    QLineEdit* bytesToRead_ = nullptr;
    QLineEdit* prefill_ = nullptr;
    QRadioButton* ecu_ = nullptr;
    QRadioButton* tcu_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* times_ = nullptr;
    QLabel* currentAddress_ = nullptr;
    QLabel* result_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* exit_ = nullptr;
};

} // namespace korvane

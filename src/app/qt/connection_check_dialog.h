#pragma once

#include "app/connection_check_view.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace korvane {

// Help > Check connection...: a status line, the checks as they end (a mark, the check and
// the finding, with the evidence, the cause and the fix below each), and Cancel,
// Save report... and Close. Escape and the close box are Close, which its presenter
// carries out.
class ConnectionCheckDialog final : public QDialog, public ConnectionCheckView {
public:
    explicit ConnectionCheckDialog(QWidget* owner = nullptr);

    // Passes the user's actions to `actions` from now on.
    void Attach(ConnectionCheckActions& actions);

    void reject() override;

    MessageBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                    MessageBoxStyle style) override;
    bool AskOpenFileName(std::string& path, const FileFilter& filter,
                         const std::string& initialFolder, const std::string& title,
                         FileDialogKind kind) override;
    void ShowStatus(const std::string& text) override;
    void AddStep(const DoctorStep& step) override;
    void SetButtons(bool cancel, bool saveReport) override;
    void Close() override;

private:
    ConnectionCheckActions* actions_ = nullptr;
    QLabel* status_ = nullptr;
    QTreeWidget* steps_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* saveReport_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace korvane

#pragma once

#include "app/definitions_view.h"
#include "app/definitions_window_logic.h"
#include "app/qt/text_table.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace korvane {

// The definitions window: the sections of SelectMonitor.ini with their address lines, the
// parameters of paramdef.ini, the preview of the parameter looked at, and the checks. It
// owns its presenter, which works on the files in `folder` and on the main window's
// `host`.
class DefinitionsWindow final : public QWidget, public DefinitionsView {
public:
    DefinitionsWindow(DefinitionsHost& host, const std::string& folder, QWidget* owner = nullptr);

    void ShowGroups(const std::vector<MonitorGroupRow>& groups, int selected) override;
    void ShowEntries(const std::vector<MonitorEntryRow>& entries, int selected) override;
    void ShowParameters(const std::vector<ParameterFileRow>& parameters, int selected) override;
    void ShowPreview(const FormulaPreviewView& preview) override;
    void ShowFindings(const std::vector<std::string>& findings) override;
    void ShowEditState(bool canUndo, bool canRedo, bool unsaved) override;
    void ShowNotice(const std::string& text) override;

    DefinitionsWindowLogic& Logic() { return logic_; }

protected:
    // Asks before edits that were not saved are dropped.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildMonitorPart();
    QWidget* BuildParameterPart();
    QWidget* BuildPreviewPart();
    void Connect();

    TextTableModel groupModel_;
    TextTableModel entryModel_;
    TextTableModel parameterModel_;
    TextTableModel sweepModel_;
    TextTable* groups_ = nullptr;
    TextTable* entries_ = nullptr;
    TextTable* parameters_ = nullptr;
    TextTable* sweep_ = nullptr;

    QPushButton* addEntry_ = nullptr;
    QPushButton* removeEntry_ = nullptr;
    QPushButton* entryUp_ = nullptr;
    QPushButton* entryDown_ = nullptr;
    QPushButton* addParameter_ = nullptr;
    QPushButton* removeParameter_ = nullptr;
    QPushButton* parameterUp_ = nullptr;
    QPushButton* parameterDown_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* redo_ = nullptr;
    QPushButton* save_ = nullptr;

    QLabel* subject_ = nullptr;
    QLabel* lastPass_ = nullptr;
    QSpinBox* byte_ = nullptr;
    QLabel* typed_ = nullptr;
    QPushButton* readNow_ = nullptr;
    QLabel* readNowResult_ = nullptr;
    QListWidget* findings_ = nullptr;
    QLabel* notice_ = nullptr;
    bool unsaved_ = false;

    DefinitionsWindowLogic logic_;
};

} // namespace korvane

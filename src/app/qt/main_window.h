#pragma once

#include "app/app_context.h"
#include "app/main_view.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvane {

class DashboardWindow;
class DefinitionsHost;
class DefinitionsWindow;
class GraphWindows;
class MessageListWidget;
class ParameterTable;
class UpDownSpinBox;

// The program's main window: the controls of template 1000 laid out as the template
// places them, showing what its presenter tells it and passing the user's actions on.
// Closing it (close box, system menu, Alt+F4, Exit) always succeeds and stops its timer
// first, so that no tick follows. The dump and connection check dialogs it opens work on
// `context`.
class MainWindow final : public QMainWindow, public MainView {
public:
    explicit MainWindow(const AppContext& context);
    ~MainWindow() override;

    // Passes the user's actions and the poll timer's ticks to `actions` from now on.
    void Attach(MainActions& actions);
    // File > "Definitions..." opens the definitions window on `host` from now on.
    void OfferDefinitions(DefinitionsHost& host);
    // The definitions window, opened (or brought to the front) as the menu item does.
    DefinitionsWindow& OpenDefinitions();

    // The dashboard that View > "Dashboard" opens.
    DashboardWindow& Dashboard() const { return *dashboard_; }

#if KORVANE_WITH_GRAPH
    // The graph windows that the View menu opens.
    GraphWindows& Graphs() const {
        return *graphs_;
    }
#endif

    void SetRunButtons(const RunButtons& buttons) override;
    void ShowRomIdText(const std::string& text) override;
    bool RepeatChecked(RepeatBox box) const override;
    MessageBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                    MessageBoxStyle style) override;
    bool AskOpenFileName(std::string& path, const FileFilter& filter,
                         const std::string& initialFolder, const std::string& title,
                         FileDialogKind kind) override;
    void StartPollTimer(int periodMs) override;
    void AddMessage(const std::string& line) override;
    void ShowMemoryLines(const std::vector<std::string>& lines) override;
    void ShowPorts(const std::vector<std::string>& names, const std::string& chosen) override;
    void ShowPortStatus(const std::string& text, const std::string& details) override;
    void ShowRomIds(const std::vector<std::string>& entries, const std::string& preselect) override;
    void ShowRomIdView(const RomIdView& view) override;
    void ShowUnit(UnitType unit) override;
    void ShowReadMemoryMode(ReadMemoryMode mode) override;
    void ShowParameterPass(const ParameterPassResult& pass) override;
    void ShowWriteResult(const std::string& text) override;
    void ShowLogStatus(const std::string& text) override;
    std::string MemoryAddressText() const override;
    std::string MemoryCountText() const override;
    std::string WriteAddressText() const override;
    std::string WriteDataText() const override;
    std::string InputSwitchAddressText() const override;
    std::string IoSwitchAddressText() const override;
    std::string PortNameText() const override;
    void OpenAboutBox() override;
    void OpenDumpDialog(DumpSettings& settings, std::function<void()> afterClose) override;
    void OpenConnectionCheckDialog(const std::string& portName, bool readRunActive) override;
    void Close() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The address box, the value box and the bit boxes (bit 0 first) of a switch row.
    struct SwitchRow {
        QLineEdit* address = nullptr;
        QLineEdit* value = nullptr;
        std::array<QLineEdit*, 8> bits{};
    };

    void BuildMenu();
    QGridLayout* BuildConnectionArea();
    QGroupBox* BuildReadMemoryGroup();
    QGroupBox* BuildReadParametersGroup();
    void AddSwitchRow(QGridLayout& grid, int row, const QString& caption,
                      const char* const (&bitCaptions)[8], SwitchRow& switches);
    QGroupBox* BuildWriteMemoryGroup();
    QHBoxLayout* BuildStatusLine();
    void MarkControls();
    void ShowSwitchRow(SwitchRow& row, const std::optional<std::uint8_t>& byte);

    const AppContext& context_;
    QTimer pollTimer_;

    QAction* openLog_ = nullptr;
    QAction* closeLog_ = nullptr;
    QAction* checksumFile_ = nullptr;
    QAction* dumpMemory_ = nullptr;
    QAction* definitions_ = nullptr;
    QAction* exit_ = nullptr;
    QAction* about_ = nullptr;
    QAction* checkConnection_ = nullptr;
    QAction* dashboardItem_ = nullptr;
    DashboardWindow* dashboard_ = nullptr;
#if KORVANE_WITH_GRAPH
    QAction* viewLog_ = nullptr;
    QAction* graph_ = nullptr;
    GraphWindows* graphs_ = nullptr;
#endif

    QPushButton* scanPorts_ = nullptr;
    QComboBox* ports_ = nullptr;
    QLabel* portStatus_ = nullptr;
    QPushButton* getRomId_ = nullptr;
    QLineEdit* romId_ = nullptr;
    QComboBox* romIds_ = nullptr;
    // In the order of the unit types.
    std::array<QRadioButton*, 5> units_{};

    UpDownSpinBox* memoryAddress_ = nullptr;
    QRadioButton* bytes_ = nullptr;
    QRadioButton* blocks_ = nullptr;
    UpDownSpinBox* memoryCount_ = nullptr;
    QPushButton* memoryRead_ = nullptr;
    QPushButton* memoryStop_ = nullptr;
    QPushButton* memoryClear_ = nullptr;
    QCheckBox* memoryRepeat_ = nullptr;
    MessageListWidget* memoryList_ = nullptr;

    QCheckBox* parametersRepeat_ = nullptr;
    QPushButton* parametersRead_ = nullptr;
    QPushButton* parametersStop_ = nullptr;
    ParameterTable* parameters_ = nullptr;
    SwitchRow inputSwitches_;
    SwitchRow ioSwitches_;

    UpDownSpinBox* writeAddress_ = nullptr;
    QLineEdit* writeData_ = nullptr;
    QPushButton* write_ = nullptr;
    QLineEdit* writeResult_ = nullptr;

    QLabel* logStatus_ = nullptr;

    DefinitionsHost* definitionsHost_ = nullptr;
    QPointer<DefinitionsWindow> definitionsWindow_;
};

} // namespace korvane

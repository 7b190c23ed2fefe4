#include "app/qt/command_combo_box.h"
#include "app/qt/control_set.h"
#include "app/qt/tab_stop_list.h"
#include "app/qt/up_down_spin_box.h"
#include "qt/recording_logic.h"
#include "resources/control_ids.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <map>

namespace korvane::testing {
namespace {

namespace m = ids::main;

enum class Kind { Button, Check, Radio, Edit, ReadOnly, Label, Icon, List, Combo, UpDown, Bar };

// Controls of one kind in one template.
struct Controls {
    Kind kind;
    std::vector<int> ids;
    int templateId = ids::kMainTemplate;
};

std::vector<Controls> TemplateControls() {
    namespace d = ids::dump;
    namespace a = ids::about;
    const int dump = ids::kDumpTemplate;
    std::vector<int> switchBits(std::begin(m::kInputSwitchBits), std::end(m::kInputSwitchBits));
    switchBits.insert(switchBits.end(), std::begin(m::kIoSwitchBits), std::end(m::kIoSwitchBits));
    return {
        {Kind::Button,
         {m::kScanPorts, m::kGetRomId, m::kMemRead, m::kMemStop, m::kMemClear, m::kParamRead,
          m::kParamStop, m::kWrite}},
        {Kind::Combo, {m::kPortCombo, m::kRomIdCombo}},
        {Kind::Label, {m::kPortStatus, m::kLogStatus}},
        {Kind::Edit,
         {m::kRomIdEdit, m::kInputSwitchAddress, m::kIoSwitchAddress, m::kWriteDataEdit}},
        {Kind::ReadOnly, {m::kInputSwitchValue, m::kIoSwitchValue, m::kWriteResult}},
        {Kind::ReadOnly, switchBits},
        {Kind::Radio,
         {m::kUnitEcu, m::kUnitTcu, m::kUnitAircon, m::kUnit4ws, m::kUnitCruise, m::kModeBytes,
          m::kModeBlocks}},
        {Kind::UpDown,
         {m::kMemAddressEdit, m::kMemAddressUpDown, m::kMemCountEdit, m::kMemCountUpDown,
          m::kWriteAddressEdit, m::kWriteAddressUpDown}},
        {Kind::Check, {m::kMemRepeat, m::kParamRepeat}},
        {Kind::List, {m::kMemList, m::kParamList}},
        {Kind::Edit, {d::kOutputFile, d::kStartAddress, d::kBytesToRead, d::kPrefill}, dump},
        {Kind::Button, {d::kBrowse, d::kStart, d::kExit}, dump},
        {Kind::Radio, {d::kUnitEcu, d::kUnitTcu}, dump},
        {Kind::Label, {d::kStatus, d::kSummary, d::kTimes, d::kCurrentAddress, d::kResult}, dump},
        {Kind::Bar, {d::kProgress}, dump},
        {Kind::Label, {a::kVersion}, ids::kAboutTemplate},
        {Kind::Button, {a::kOk}, ids::kAboutTemplate},
        {Kind::Icon, {a::kIcon}, ids::kAboutTemplate},
    };
}

QWidget* FindById(QWidget& top, int id) {
    for (QWidget* child : top.findChildren<QWidget*>()) {
        for (const char* property : {kControlIdProperty, kUpDownIdProperty}) {
            const QVariant value = child->property(property);
            if (value.isValid() && value.toInt() == id) {
                return child;
            }
        }
    }
    return nullptr;
}

bool HasKind(QWidget* control, Kind kind) {
    auto* edit = qobject_cast<QLineEdit*>(control);
    auto* label = qobject_cast<QLabel*>(control);
    switch (kind) {
    case Kind::Button:
        return qobject_cast<QPushButton*>(control) != nullptr;
    case Kind::Check:
        return qobject_cast<QCheckBox*>(control) != nullptr;
    case Kind::Radio:
        return qobject_cast<QRadioButton*>(control) != nullptr;
    case Kind::Edit:
        return edit != nullptr && !edit->isReadOnly();
    case Kind::ReadOnly:
        return edit != nullptr && edit->isReadOnly();
    case Kind::Label:
        return label != nullptr;
    case Kind::Icon:
        return label != nullptr && !label->pixmap().isNull();
    case Kind::List:
        return dynamic_cast<TabStopList*>(control) != nullptr;
    case Kind::Combo:
        return dynamic_cast<CommandComboBox*>(control) != nullptr;
    case Kind::UpDown:
        return dynamic_cast<UpDownSpinBox*>(control) != nullptr;
    case Kind::Bar:
        return qobject_cast<QProgressBar*>(control) != nullptr;
    }
    return false;
}

TEST(Templates, EveryControlHasItsIdAndKind) {
    RecordingShell recording;
    std::map<int, std::unique_ptr<QtWindow>> windows;
    for (const Controls& row : TemplateControls()) {
        auto& window = windows[row.templateId];
        if (!window) {
            window = recording.shell.BuildWindow(row.templateId, nullptr);
        }
        for (const int id : row.ids) {
            SCOPED_TRACE(::testing::Message()
                         << "template " << row.templateId << " control " << id);
            QWidget* widget = FindById(window->Host(), id);
            ASSERT_NE(widget, nullptr);
            EXPECT_TRUE(HasKind(widget, row.kind));
        }
    }
    EXPECT_EQ(recording.shell.BuildWindow(4711, nullptr), nullptr);
}

TEST(MainWindowTemplate, MenuCommandsReportTheirIdsInMenuOrder) {
    RecordingShell recording;
    auto window = recording.shell.BuildWindow(ids::kMainTemplate, nullptr);
    for (QAction* menu : window->MainHost()->menuBar()->actions()) {
        for (QAction* action : menu->menu()->actions()) {
            // "View logfile..." is the shell's own: it opens a file dialog.
            if (!action->isSeparator() &&
                action != window->Controls().FindMenuCommand(ids::kMenuViewLog)) {
                action->trigger();
            }
        }
    }
    std::vector<int> reported;
    for (const Report& report : recording.last->commands) {
        reported.push_back(report.id);
    }
    EXPECT_EQ(reported, (std::vector<int>{ids::kMenuOpenLog, ids::kMenuCloseLog,
                                          ids::kMenuChecksumFile, ids::kMenuDumpMemory,
                                          ids::kMenuExit, ids::kMenuGraph, ids::kMenuAbout}));
}

TEST(MainWindowTemplate, SwitchBoxesRunFromBitSevenAtTheLeftUnderTheirCaptions) {
    RecordingShell recording;
    auto window = recording.shell.BuildWindow(ids::kMainTemplate, nullptr);
    window->Host().resize(window->Host().sizeHint());
    window->Host().show();
    const auto left = [&window](int id) {
        return Get<QWidget>(*window, id).mapToGlobal(QPoint()).x();
    };
    for (const int* bits : {m::kInputSwitchBits, m::kIoSwitchBits}) {
        EXPECT_LT(left(m::kInputSwitchValue), left(bits[7]));
        for (int bit = 0; bit < 7; ++bit) {
            EXPECT_GT(left(bits[bit]), left(bits[bit + 1])) << "bit " << bit;
        }
    }
    const auto labels = window->Host().findChildren<QLabel*>();
    const auto ignition = std::find_if(labels.begin(), labels.end(), [](QLabel* label) {
        return label->text() == QStringLiteral("Ignition");
    });
    ASSERT_NE(ignition, labels.end());
    const int captionCentre = (*ignition)->mapToGlobal((*ignition)->rect().center()).x();
    EXPECT_GE(captionCentre, left(m::kInputSwitchBits[7]));
    EXPECT_LE(captionCentre, left(m::kInputSwitchBits[6]));
}

// The IDs of the controls the Tab key visits, in the order it visits them.
std::vector<int> TabChain(QWidget& top, QWidget& first) {
    std::vector<int> chain;
    QWidget* widget = &first;
    do {
        const QVariant id = widget->property(kControlIdProperty);
        if (id.isValid() && (widget->focusPolicy() & Qt::TabFocus) != 0) {
            chain.push_back(id.toInt());
        }
        widget = widget->nextInFocusChain();
    } while (widget != nullptr && widget != &first && top.isAncestorOf(widget));
    return chain;
}

TEST(MainWindowTemplate, TabKeyVisitsTheOperableControlsInTemplateOrder) {
    RecordingShell recording;
    auto window = recording.shell.BuildWindow(ids::kMainTemplate, nullptr);
    QWidget& first = Get<QWidget>(*window, m::kScanPorts);
    const std::vector<int> expected = {
        m::kScanPorts,       m::kPortCombo,        m::kGetRomId,       m::kRomIdEdit,
        m::kRomIdCombo,      m::kUnitEcu,          m::kUnitTcu,        m::kUnitAircon,
        m::kUnit4ws,         m::kUnitCruise,       m::kMemAddressEdit, m::kModeBytes,
        m::kModeBlocks,      m::kMemCountEdit,     m::kMemRead,        m::kMemStop,
        m::kMemClear,        m::kMemRepeat,        m::kMemList,        m::kParamRepeat,
        m::kParamRead,       m::kParamStop,        m::kParamList,      m::kInputSwitchAddress,
        m::kIoSwitchAddress, m::kWriteAddressEdit, m::kWriteDataEdit,  m::kWrite};
    EXPECT_EQ(TabChain(window->Host(), first), expected);
}

} // namespace
} // namespace korvane::testing

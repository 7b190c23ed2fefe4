#include "app/qt/command_combo_box.h"
#include "app/qt/control_set.h"
#include "app/qt/tab_stop_list.h"
#include "app/qt/up_down_spin_box.h"
#include "qt/recording_logic.h"
#include "resources/control_ids.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

enum class Kind { Button, Check, Radio, Edit, ReadOnlyEdit, Static, List, Combo, UpDown, Progress };

struct Expected {
    int id;
    Kind kind;
};

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
    switch (kind) {
    case Kind::Button:
        return qobject_cast<QPushButton*>(control) != nullptr;
    case Kind::Check:
        return qobject_cast<QCheckBox*>(control) != nullptr;
    case Kind::Radio:
        return qobject_cast<QRadioButton*>(control) != nullptr;
    case Kind::Edit:
        return edit != nullptr && !edit->isReadOnly();
    case Kind::ReadOnlyEdit:
        return edit != nullptr && edit->isReadOnly();
    case Kind::Static:
        return qobject_cast<QLabel*>(control) != nullptr;
    case Kind::List:
        return dynamic_cast<TabStopList*>(control) != nullptr;
    case Kind::Combo:
        return dynamic_cast<CommandComboBox*>(control) != nullptr;
    case Kind::UpDown:
        return dynamic_cast<UpDownSpinBox*>(control) != nullptr;
    case Kind::Progress:
        return qobject_cast<QProgressBar*>(control) != nullptr;
    }
    return false;
}

void ExpectControls(QWidget& top, const std::vector<Expected>& expected) {
    for (const Expected& control : expected) {
        SCOPED_TRACE(control.id);
        QWidget* widget = FindById(top, control.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(HasKind(widget, control.kind));
    }
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

TEST(MainWindowTemplate, HasEveryControlOfItsKind) {
    namespace m = ids::main;
    RecordingShell recording;
    auto window = recording.shell.BuildWindow(ids::kMainTemplate, nullptr);
    ASSERT_NE(window, nullptr);
    QWidget& top = window->Host();
    EXPECT_NE(qobject_cast<QMainWindow*>(&top), nullptr);

    std::vector<Expected> expected = {
        {m::kScanPorts, Kind::Button},
        {m::kPortCombo, Kind::Combo},
        {m::kPortStatus, Kind::Static},
        {m::kGetRomId, Kind::Button},
        {m::kRomIdEdit, Kind::Edit},
        {m::kRomIdCombo, Kind::Combo},
        {m::kUnitEcu, Kind::Radio},
        {m::kUnitTcu, Kind::Radio},
        {m::kUnitAircon, Kind::Radio},
        {m::kUnit4ws, Kind::Radio},
        {m::kUnitCruise, Kind::Radio},
        {m::kMemAddressEdit, Kind::UpDown},
        {m::kMemAddressUpDown, Kind::UpDown},
        {m::kModeBytes, Kind::Radio},
        {m::kModeBlocks, Kind::Radio},
        {m::kMemCountEdit, Kind::UpDown},
        {m::kMemCountUpDown, Kind::UpDown},
        {m::kMemRead, Kind::Button},
        {m::kMemStop, Kind::Button},
        {m::kMemClear, Kind::Button},
        {m::kMemRepeat, Kind::Check},
        {m::kMemList, Kind::List},
        {m::kParamRepeat, Kind::Check},
        {m::kParamRead, Kind::Button},
        {m::kParamStop, Kind::Button},
        {m::kParamList, Kind::List},
        {m::kInputSwitchAddress, Kind::Edit},
        {m::kInputSwitchValue, Kind::ReadOnlyEdit},
        {m::kIoSwitchAddress, Kind::Edit},
        {m::kIoSwitchValue, Kind::ReadOnlyEdit},
        {m::kWriteAddressEdit, Kind::UpDown},
        {m::kWriteAddressUpDown, Kind::UpDown},
        {m::kWriteDataEdit, Kind::Edit},
        {m::kWrite, Kind::Button},
        {m::kWriteResult, Kind::ReadOnlyEdit},
        {m::kLogStatus, Kind::Static},
    };
    for (int bit = 0; bit < 8; ++bit) {
        expected.push_back({m::kInputSwitchBits[bit], Kind::ReadOnlyEdit});
        expected.push_back({m::kIoSwitchBits[bit], Kind::ReadOnlyEdit});
    }
    ExpectControls(top, expected);
}

TEST(MainWindowTemplate, SwitchBoxesRunFromBitSevenAtTheLeftToBitZeroAtTheRight) {
    namespace m = ids::main;
    RecordingShell recording;
    auto window = recording.shell.BuildWindow(ids::kMainTemplate, nullptr);
    window->Host().resize(window->Host().sizeHint());
    window->Host().show();
    const auto left = [&window](int id) {
        return Get<QWidget>(*window, id).mapToGlobal(QPoint()).x();
    };
    for (const int* bits : {m::kInputSwitchBits, m::kIoSwitchBits}) {
        for (int bit = 0; bit < 7; ++bit) {
            EXPECT_GT(left(bits[bit]), left(bits[bit + 1])) << "bit " << bit;
        }
    }
    // The address and value boxes come first, left of bit 7.
    EXPECT_LT(left(m::kInputSwitchAddress), left(m::kInputSwitchValue));
    EXPECT_LT(left(m::kInputSwitchValue), left(m::kInputSwitchBits[7]));
    EXPECT_LT(left(m::kIoSwitchValue), left(m::kIoSwitchBits[7]));
    // Each bit box sits under its caption.
    QLabel* ignition = nullptr;
    for (QLabel* label : window->Host().findChildren<QLabel*>()) {
        if (label->text() == QStringLiteral("Ignition")) {
            ignition = label;
        }
    }
    ASSERT_NE(ignition, nullptr);
    QWidget& bit7 = Get<QWidget>(*window, m::kInputSwitchBits[7]);
    const int captionCentre = ignition->mapToGlobal(ignition->rect().center()).x();
    EXPECT_GE(captionCentre, bit7.mapToGlobal(QPoint()).x());
    EXPECT_LE(captionCentre, bit7.mapToGlobal(QPoint(bit7.width(), 0)).x());
}

TEST(MainWindowTemplate, MenuItemsReportTheirIdsInOrder) {
    RecordingShell recording;
    auto window = recording.shell.BuildWindow(ids::kMainTemplate, nullptr);
    const QList<QAction*> menus = window->MainHost()->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    // Each command reaches the logic with its ID ("View logfile..." would open a file
    // dialog, so it is found by its ID instead); 0 stands for a separator.
    const auto commands = [&](QMenu& menu) {
        std::vector<int> reported;
        for (QAction* action : menu.actions()) {
            if (action->isSeparator()) {
                reported.push_back(0);
            } else if (action == window->Controls().FindMenuCommand(ids::kMenuViewLog)) {
                reported.push_back(ids::kMenuViewLog);
            } else {
                action->trigger();
                reported.push_back(recording.last->commands.back().id);
            }
        }
        return reported;
    };
    EXPECT_EQ(commands(*menus[0]->menu()),
              (std::vector<int>{2001, 2002, 0, 2004, 2003, 0, 2005, 0, 107}));
    EXPECT_EQ(commands(*menus[1]->menu()), (std::vector<int>{2006}));
    EXPECT_EQ(commands(*menus[2]->menu()), (std::vector<int>{109}));
}

TEST(MainWindowTemplate, TabKeyVisitsTheOperableControlsInTemplateOrder) {
    namespace m = ids::main;
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

TEST(DumpDialogTemplate, HasEveryControlOfItsKind) {
    namespace d = ids::dump;
    RecordingShell recording;
    auto window = recording.shell.BuildWindow(ids::kDumpTemplate, nullptr);
    ASSERT_NE(window, nullptr);
    QWidget& top = window->Host();
    EXPECT_NE(qobject_cast<QDialog*>(&top), nullptr);
    ExpectControls(top, {
                            {d::kOutputFile, Kind::Edit},
                            {d::kBrowse, Kind::Button},
                            {d::kStartAddress, Kind::Edit},
                            {d::kBytesToRead, Kind::Edit},
                            {d::kPrefill, Kind::Edit},
                            {d::kUnitEcu, Kind::Radio},
                            {d::kUnitTcu, Kind::Radio},
                            {d::kStatus, Kind::Static},
                            {d::kSummary, Kind::Static},
                            {d::kTimes, Kind::Static},
                            {d::kCurrentAddress, Kind::Static},
                            {d::kResult, Kind::Static},
                            {d::kStart, Kind::Button},
                            {d::kExit, Kind::Button},
                            {d::kProgress, Kind::Progress},
                        });
}

TEST(AboutBoxTemplate, HasEveryControlOfItsKindAndTheIcon) {
    namespace a = ids::about;
    RecordingShell recording;
    auto window = recording.shell.BuildWindow(ids::kAboutTemplate, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(qobject_cast<QDialog*>(&window->Host()), nullptr);
    ExpectControls(window->Host(),
                   {{a::kVersion, Kind::Static}, {a::kOk, Kind::Button}, {a::kIcon, Kind::Static}});
    EXPECT_FALSE(Get<QLabel>(*window, a::kIcon).pixmap().isNull());
}

TEST(Shell, UnknownTemplateBuildsNothing) {
    RecordingShell recording;
    EXPECT_EQ(recording.shell.BuildWindow(4711, nullptr), nullptr);
    EXPECT_EQ(recording.last, nullptr);
}

} // namespace
} // namespace korvane::testing

#include "app/qt/command_combo_box.h"
#include "app/qt/control_set.h"
#include "app/qt/tab_stop_list.h"
#include "app/qt/up_down_spin_box.h"
#include "qt/recording_logic.h"
#include "resources/control_ids.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
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
    const char* caption;
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

QString CaptionOf(QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        return edit->text();
    }
    return {};
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
        EXPECT_EQ(CaptionOf(widget), QString::fromLatin1(control.caption));
    }
}

void ExpectStatics(QWidget& top, const QStringList& texts) {
    QStringList found;
    for (QLabel* label : top.findChildren<QLabel*>()) {
        found << label->text();
    }
    for (QGroupBox* group : top.findChildren<QGroupBox*>()) {
        found << group->title();
    }
    for (const QString& text : texts) {
        EXPECT_TRUE(found.contains(text)) << text.toStdString();
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

TEST(MainWindowTemplate, HasEveryControlWithItsCaptionAndKind) {
    namespace m = ids::main;
    RecordingShell recording;
    auto window = recording.shell.BuildWindow(ids::kMainTemplate, nullptr);
    ASSERT_NE(window, nullptr);
    QWidget& top = window->Host();
    EXPECT_NE(qobject_cast<QMainWindow*>(&top), nullptr);
    EXPECT_EQ(top.windowTitle(), QStringLiteral("Korvane"));

    std::vector<Expected> expected = {
        {m::kScanPorts, Kind::Button, "Scan serial ports"},
        {m::kPortCombo, Kind::Combo, ""},
        {m::kPortStatus, Kind::Static, "-status-"},
        {m::kGetRomId, Kind::Button, "Get ROM ID"},
        {m::kRomIdEdit, Kind::Edit, ""},
        {m::kRomIdCombo, Kind::Combo, ""},
        {m::kUnitEcu, Kind::Radio, "ECU"},
        {m::kUnitTcu, Kind::Radio, "TCU"},
        {m::kUnitAircon, Kind::Radio, "Aircon"},
        {m::kUnit4ws, Kind::Radio, "4WS"},
        {m::kUnitCruise, Kind::Radio, "Cruise"},
        {m::kMemAddressEdit, Kind::UpDown, ""},
        {m::kMemAddressUpDown, Kind::UpDown, ""},
        {m::kModeBytes, Kind::Radio, "Bytes"},
        {m::kModeBlocks, Kind::Radio, "Blocks"},
        {m::kMemCountEdit, Kind::UpDown, ""},
        {m::kMemCountUpDown, Kind::UpDown, ""},
        {m::kMemRead, Kind::Button, "Read"},
        {m::kMemStop, Kind::Button, "Stop"},
        {m::kMemClear, Kind::Button, "Clear"},
        {m::kMemRepeat, Kind::Check, "Repeat"},
        {m::kMemList, Kind::List, ""},
        {m::kParamRepeat, Kind::Check, "Repeat"},
        {m::kParamRead, Kind::Button, "Read"},
        {m::kParamStop, Kind::Button, "Stop"},
        {m::kParamList, Kind::List, ""},
        {m::kInputSwitchAddress, Kind::Edit, ""},
        {m::kInputSwitchValue, Kind::ReadOnlyEdit, ""},
        {m::kIoSwitchAddress, Kind::Edit, ""},
        {m::kIoSwitchValue, Kind::ReadOnlyEdit, ""},
        {m::kWriteAddressEdit, Kind::UpDown, ""},
        {m::kWriteAddressUpDown, Kind::UpDown, ""},
        {m::kWriteDataEdit, Kind::Edit, ""},
        {m::kWrite, Kind::Button, "Write"},
        {m::kWriteResult, Kind::ReadOnlyEdit, ""},
        {m::kLogStatus, Kind::Static, "Closed."},
    };
    for (int bit = 0; bit < 8; ++bit) {
        expected.push_back({m::kInputSwitchBits[bit], Kind::ReadOnlyEdit, ""});
        expected.push_back({m::kIoSwitchBits[bit], Kind::ReadOnlyEdit, ""});
    }
    ExpectControls(top, expected);
    EXPECT_TRUE(Get<CommandComboBox>(*window, m::kPortCombo).Sorted());
    EXPECT_FALSE(Get<CommandComboBox>(*window, m::kRomIdCombo).Sorted());

    ExpectStatics(top, {"Selected ROM ID",
                        "Unit to read:",
                        "( Note: anything other than ECU is experimental )",
                        "Read Memory",
                        "Read Parameters",
                        "Write Memory",
                        "Address",
                        "Data",
                        "Result",
                        "Log File:",
                        "Input Sw.",
                        "IO Switches",
                        "Ignition",
                        "Auto.",
                        "Test",
                        "Read",
                        "-na-",
                        "Neut.",
                        "Park",
                        "Calif",
                        "Idle",
                        "AC on",
                        "AC rly",
                        "Fan",
                        "Fuel",
                        "Purge",
                        "Knock",
                        "BR"});
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

TEST(MainWindowTemplate, MenuHoldsTheCommandsInOrder) {
    RecordingShell recording;
    auto window = recording.shell.BuildWindow(ids::kMainTemplate, nullptr);
    QMenuBar* bar = window->MainHost()->menuBar();
    const QList<QAction*> menus = bar->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("File"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("View"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("Help"));

    // Each command reaches the logic with its ID ("View logfile..." would open a file
    // dialog, so it is found by its ID instead).
    const auto commands = [&](QMenu& menu) {
        QStringList texts;
        for (QAction* action : menu.actions()) {
            const bool opensDialog =
                action == window->Controls().FindMenuCommand(ids::kMenuViewLog);
            if (!action->isSeparator() && !opensDialog) {
                action->trigger();
            }
            const int id = opensDialog ? ids::kMenuViewLog : recording.last->commands.back().id;
            texts << (action->isSeparator() ? QStringLiteral("-")
                                            : QStringLiteral("%1 %2").arg(id).arg(action->text()));
        }
        return texts;
    };
    EXPECT_EQ(commands(*menus[0]->menu()),
              QStringList({"2001 Open logfile", "2002 Close logfile", "-", "2004 Checksum file",
                           "2003 Dump Memory", "-", "2005 View logfile...", "-", "107 Exit"}));
    EXPECT_EQ(commands(*menus[1]->menu()), QStringList({"2006 Graph"}));
    EXPECT_EQ(commands(*menus[2]->menu()), QStringList({"109 About"}));
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

TEST(DumpDialogTemplate, HasEveryControlWithItsCaptionAndKind) {
    namespace d = ids::dump;
    RecordingShell recording;
    auto window = recording.shell.BuildWindow(ids::kDumpTemplate, nullptr);
    ASSERT_NE(window, nullptr);
    QWidget& top = window->Host();
    EXPECT_NE(qobject_cast<QDialog*>(&top), nullptr);
    EXPECT_EQ(top.windowTitle(), QStringLiteral("RomDump"));
    ExpectControls(top, {
                            {d::kOutputFile, Kind::Edit, ""},
                            {d::kBrowse, Kind::Button, "Browse"},
                            {d::kStartAddress, Kind::Edit, ""},
                            {d::kBytesToRead, Kind::Edit, ""},
                            {d::kPrefill, Kind::Edit, ""},
                            {d::kUnitEcu, Kind::Radio, "ECU"},
                            {d::kUnitTcu, Kind::Radio, "TCU"},
                            {d::kStatus, Kind::Static, ""},
                            {d::kSummary, Kind::Static, ""},
                            {d::kTimes, Kind::Static, ""},
                            {d::kCurrentAddress, Kind::Static, ""},
                            {d::kResult, Kind::Static, ""},
                            {d::kStart, Kind::Button, "Start"},
                            {d::kExit, Kind::Button, "Exit"},
                            {d::kProgress, Kind::Progress, ""},
                        });
    EXPECT_TRUE(Get<QPushButton>(*window, d::kStart).isDefault());
    ExpectStatics(top, {"Output file", "Start Address", "Bytes to read", "Pre-fill with",
                        "bytes of 0x00", "Unit to read:", "Note: all values in hex"});
}

TEST(AboutBoxTemplate, HasIconVersionLineAndOkButton) {
    namespace a = ids::about;
    RecordingShell recording;
    recording.prepare = [](RecordingLogic& logic, int) {
        logic.onCreate = [](Window& window) { window.SetText(a::kVersion, "Korvane version 1.2"); };
    };
    auto window = recording.shell.BuildWindow(ids::kAboutTemplate, nullptr);
    ASSERT_NE(window, nullptr);
    QWidget& top = window->Host();
    EXPECT_NE(qobject_cast<QDialog*>(&top), nullptr);
    EXPECT_EQ(top.windowTitle(), QStringLiteral("About"));
    ExpectControls(top, {{a::kVersion, Kind::Static, "Korvane version 1.2"},
                         {a::kOk, Kind::Button, "OK"},
                         {a::kIcon, Kind::Static, ""}});
    EXPECT_FALSE(Get<QLabel>(*window, a::kIcon).pixmap().isNull());
    EXPECT_TRUE(Get<QPushButton>(*window, a::kOk).isDefault());
    ExpectStatics(top, {"see !ReadMe.txt file for help"});
}

TEST(Shell, UnknownTemplateBuildsNothing) {
    RecordingShell recording;
    EXPECT_EQ(recording.shell.BuildWindow(4711, nullptr), nullptr);
    EXPECT_EQ(recording.last, nullptr);
}

} // namespace
} // namespace korvane::testing

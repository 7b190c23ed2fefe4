#include "app/qt/about_box.h"
#include "app/qt/dump_dialog.h"
#include "app/qt/message_list_widget.h"
#include "app/qt/parameter_table.h"
#include "app/qt/up_down_spin_box.h"
#include "qt/recording_actions.h"
#include "reading/rom_id_view.h"
#include "resources/control_ids.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace korvane::testing {
namespace {

namespace m = ids::main;

template <class T> bool Is(QObject* control) {
    return dynamic_cast<T*>(control) != nullptr;
}

bool IsEdit(QObject* control) {
    auto* edit = qobject_cast<QLineEdit*>(control);
    return edit != nullptr && !edit->isReadOnly();
}

bool IsShownValue(QObject* control) {
    auto* edit = qobject_cast<QLineEdit*>(control);
    return edit != nullptr && edit->isReadOnly();
}

bool IsIcon(QObject* control) {
    auto* label = qobject_cast<QLabel*>(control);
    return label != nullptr && !label->pixmap().isNull();
}

// Controls of one kind in one template.
struct Controls {
    bool (*isOfKind)(QObject*);
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
        {Is<QPushButton>,
         {m::kScanPorts, m::kGetRomId, m::kMemRead, m::kMemStop, m::kMemClear, m::kParamRead,
          m::kParamStop, m::kWrite}},
        {Is<QComboBox>, {m::kPortCombo, m::kRomIdCombo}},
        {Is<QLabel>, {m::kPortStatus, m::kLogStatus}},
        {IsEdit, {m::kRomIdEdit, m::kInputSwitchAddress, m::kIoSwitchAddress, m::kWriteDataEdit}},
        {IsShownValue, {m::kInputSwitchValue, m::kIoSwitchValue, m::kWriteResult}},
        {IsShownValue, switchBits},
        {Is<QRadioButton>,
         {m::kUnitEcu, m::kUnitTcu, m::kUnitAircon, m::kUnit4ws, m::kUnitCruise, m::kModeBytes,
          m::kModeBlocks}},
        {Is<UpDownSpinBox>,
         {m::kMemAddressEdit, m::kMemAddressUpDown, m::kMemCountEdit, m::kMemCountUpDown,
          m::kWriteAddressEdit, m::kWriteAddressUpDown}},
        {Is<QCheckBox>, {m::kMemRepeat, m::kParamRepeat}},
        {Is<MessageListWidget>, {m::kMemList}},
        {Is<ParameterTable>, {m::kParamList}},
        {Is<QAction>,
         {ids::kMenuOpenLog, ids::kMenuCloseLog, ids::kMenuChecksumFile, ids::kMenuDumpMemory,
          ids::kMenuViewLog, ids::kMenuExit, ids::kMenuGraph, ids::kMenuAbout,
          ids::kMenuDashboard}},
        {IsEdit, {d::kOutputFile, d::kStartAddress, d::kBytesToRead, d::kPrefill}, dump},
        {Is<QPushButton>, {d::kBrowse, d::kStart, d::kExit}, dump},
        {Is<QRadioButton>, {d::kUnitEcu, d::kUnitTcu}, dump},
        {Is<QLabel>, {d::kStatus, d::kSummary, d::kTimes, d::kCurrentAddress, d::kResult}, dump},
        {Is<QProgressBar>, {d::kProgress}, dump},
        {Is<QLabel>, {a::kVersion}, ids::kAboutTemplate},
        {Is<QPushButton>, {a::kOk}, ids::kAboutTemplate},
        {IsIcon, {a::kIcon}, ids::kAboutTemplate},
    };
}

QObject* FindById(const QObject& top, int id) {
    for (QObject* child : top.findChildren<QObject*>()) {
        for (const char* property : {kControlIdProperty, kUpDownIdProperty}) {
            const QVariant value = child->property(property);
            if (value.isValid() && value.toInt() == id) {
                return child;
            }
        }
    }
    return nullptr;
}

TEST(Templates, EveryControlHasItsIdAndKind) {
    AppContext context;
    MainWindow main(context);
    DumpDialog dump;
    AboutBox about;
    const std::map<int, const QWidget*> windows = {
        {ids::kMainTemplate, &main}, {ids::kDumpTemplate, &dump}, {ids::kAboutTemplate, &about}};
    for (const auto& [templateId, window] : windows) {
        EXPECT_EQ(window->property("templateId").toInt(), templateId);
    }
    for (const Controls& row : TemplateControls()) {
        const QObject* top = windows.at(row.templateId);
        for (const int id : row.ids) {
            SCOPED_TRACE(::testing::Message()
                         << "template " << row.templateId << " control " << id);
            QObject* control = FindById(*top, id);
            ASSERT_NE(control, nullptr);
            EXPECT_TRUE(row.isOfKind(control));
        }
    }
}

TEST_F(ShownMainWindow, SwitchBoxesRunFromBitSevenAtTheLeftUnderTheirCaptions) {
    const auto left = [this](int id) { return Find<QWidget>(id).mapToGlobal(QPoint()).x(); };
    const std::pair<int, const int*> rows[] = {{m::kInputSwitchValue, m::kInputSwitchBits},
                                               {m::kIoSwitchValue, m::kIoSwitchBits}};
    for (const auto& [value, bits] : rows) {
        EXPECT_LT(left(value), left(bits[7]));
        for (int bit = 0; bit < 7; ++bit) {
            EXPECT_GT(left(bits[bit]), left(bits[bit + 1])) << "bit " << bit;
        }
    }
    const auto labels = window.findChildren<QLabel*>();
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

TEST_F(ShownMainWindow, TabKeyVisitsTheOperableControlsInTemplateOrder) {
    QWidget& first = Find<QWidget>(m::kScanPorts);
    const std::vector<int> expected = {
        m::kScanPorts,       m::kPortCombo,        m::kGetRomId,       m::kRomIdEdit,
        m::kRomIdCombo,      m::kUnitEcu,          m::kUnitTcu,        m::kUnitAircon,
        m::kUnit4ws,         m::kUnitCruise,       m::kMemAddressEdit, m::kModeBytes,
        m::kModeBlocks,      m::kMemCountEdit,     m::kMemRead,        m::kMemStop,
        m::kMemClear,        m::kMemRepeat,        m::kMemList,        m::kParamRepeat,
        m::kParamRead,       m::kParamStop,        m::kParamList,      m::kInputSwitchAddress,
        m::kIoSwitchAddress, m::kWriteAddressEdit, m::kWriteDataEdit,  m::kWrite};
    EXPECT_EQ(TabChain(window, first), expected);

    // The lists pass Tab on rather than keeping it for their rows, rows shown or not.
    Find<ParameterTable>(m::kParamList)
        .ShowPlaceholders({{0x1234, "Speed", "%d"}, {0x1235, "Temp", "%d"}});
    for (const int list : {m::kMemList, m::kParamList}) {
        Find<QWidget>(list).setFocus();
        QTest::keyClick(&Find<QWidget>(list), Qt::Key_Tab);
        const auto next = std::find(expected.begin(), expected.end(), list) + 1;
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->property(kControlIdProperty).toInt(), *next) << list;
    }
}

} // namespace
} // namespace korvane::testing

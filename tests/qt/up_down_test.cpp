#include "app/qt/up_down_spin_box.h"
#include "qt/recording_actions.h"
#include "resources/control_ids.h"

#include <QPushButton>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

namespace m = ids::main;

struct UpDown : ShownMainWindow {
    // Types into the box and leaves it, as a user moving on to "Read" does.
    void Type(int id, const char* keys) {
        auto& box = Find<UpDownSpinBox>(id);
        box.setFocus();
        box.selectAll();
        QTest::keyClicks(&box, keys);
        Find<QPushButton>(m::kMemRead).setFocus();
    }

    void ClickUpArrow(int id) {
        auto& box = Find<UpDownSpinBox>(id);
        QStyleOptionSpinBox option;
        option.initFrom(&box);
        option.subControls = QStyle::SC_All;
        option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        const QRect arrow =
            box.style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, &box);
        QTest::mouseClick(&box, Qt::LeftButton, {}, arrow.center());
    }

    void Press(int id, Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(&Find<UpDownSpinBox>(id), key);
        }
    }

    std::string Text(int id) const { return Find<UpDownSpinBox>(id).EditText().toStdString(); }
};

TEST_F(UpDown, TheWindowStartsWithTheTemplatePositionsInTheirBases) {
    EXPECT_EQ(Text(m::kMemAddressEdit), "1000");
    EXPECT_EQ(Text(m::kMemCountEdit), "16");
    EXPECT_EQ(Text(m::kWriteAddressEdit), "1000");
    EXPECT_EQ(window.MemoryAddressText(), "1000");
    // A position set by the program shows in the box's base, one outside the range at its
    // bound.
    auto& address = Find<UpDownSpinBox>(m::kMemAddressEdit);
    address.Attach(16, 0, 0xFFFF, 0xab);
    EXPECT_EQ(Text(m::kMemAddressEdit), "00AB");
    Find<UpDownSpinBox>(m::kMemCountEdit).Attach(10, 1, 16, 40);
    EXPECT_EQ(window.MemoryCountText(), "16");
    EXPECT_TRUE(actions.actions.empty());
}

TEST_F(UpDown, AddressTextStaysAsTypedAndStepsGoOnFromItInBase16) {
    Type(m::kMemAddressEdit, "7ffe");
    EXPECT_EQ(Text(m::kMemAddressEdit), "7ffe");
    Press(m::kMemAddressEdit, Qt::Key_Up);
    EXPECT_EQ(Text(m::kMemAddressEdit), "7FFF");
    ClickUpArrow(m::kMemAddressEdit);
    EXPECT_EQ(Text(m::kMemAddressEdit), "8000");
    // Text that is no number stays for the reader to judge.
    Type(m::kMemAddressEdit, "-zg");
    EXPECT_EQ(Text(m::kMemAddressEdit), "-zg");
    Type(m::kMemAddressEdit, "fffe");
    ClickUpArrow(m::kMemAddressEdit);
    ClickUpArrow(m::kMemAddressEdit);
    EXPECT_EQ(Text(m::kMemAddressEdit), "FFFF");
}

TEST_F(UpDown, CountStepsWithinItsRangeButKeepsATypedZero) {
    Press(m::kMemCountEdit, Qt::Key_Up);
    EXPECT_EQ(Text(m::kMemCountEdit), "16");
    Press(m::kMemCountEdit, Qt::Key_Down, 20);
    EXPECT_EQ(Text(m::kMemCountEdit), "1");
    ClickUpArrow(m::kMemCountEdit);
    EXPECT_EQ(Text(m::kMemCountEdit), "2");
    // A count of 0 is the reader's to take, although the arrows stop at 1.
    Type(m::kMemCountEdit, "0");
    EXPECT_EQ(Text(m::kMemCountEdit), "0");
    ClickUpArrow(m::kMemCountEdit);
    EXPECT_EQ(Text(m::kMemCountEdit), "2");
}

} // namespace
} // namespace korvane::testing

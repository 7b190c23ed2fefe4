#include "app/qt/up_down_spin_box.h"
#include "qt/recording_logic.h"
#include "resources/control_ids.h"

#include <QPushButton>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

namespace m = ids::main;

constexpr UpDownSetup kAddress = {.editId = m::kMemAddressEdit,
                                  .upDownId = m::kMemAddressUpDown,
                                  .lower = 0,
                                  .upper = 0xFFFF,
                                  .position = 0x1000,
                                  .base = 16};
constexpr UpDownSetup kCount = {.editId = m::kMemCountEdit,
                                .upDownId = m::kMemCountUpDown,
                                .lower = 1,
                                .upper = 16,
                                .position = 16};

UpDownSetup At(UpDownSetup setup, int position) {
    setup.position = position;
    return setup;
}

struct UpDown : ShownWindow {
    // Types into the box and leaves it, as a user moving on to "Read" does.
    void Type(int id, const char* keys) {
        auto& box = Get<UpDownSpinBox>(*window, id);
        box.setFocus();
        box.selectAll();
        QTest::keyClicks(&box, keys);
        Get<QPushButton>(*window, m::kMemRead).setFocus();
    }

    void ClickUpArrow(int id) {
        auto& box = Get<UpDownSpinBox>(*window, id);
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
            QTest::keyClick(&Get<UpDownSpinBox>(*window, id), key);
        }
    }

    std::string Text(int id) const { return window->GetText(id); }
};

TEST_F(UpDown, APositionSetByTheProgramShowsInTheBase) {
    // Creation writes "0000" into the edit first; the up-down's position replaces it.
    window->SetText(m::kMemAddressEdit, "0000");
    window->SetUpDown(kAddress);
    EXPECT_EQ(Text(m::kMemAddressEdit), "1000");
    window->SetUpDown(At(kAddress, 0xab));
    EXPECT_EQ(Text(m::kMemAddressEdit), "00AB");
    // A position outside the range is held at its bound.
    window->SetUpDown(At(kCount, 40));
    EXPECT_EQ(Text(m::kMemCountEdit), "16");
    // An up-down ID given with another edit's is no pair: nothing changes.
    UpDownSetup mismatched = kAddress;
    mismatched.editId = m::kWriteAddressEdit;
    window->SetUpDown(mismatched);
    EXPECT_EQ(Text(m::kMemAddressEdit), "00AB");
    EXPECT_TRUE(logic->commands.empty());
}

TEST_F(UpDown, AddressTextStaysAsTypedAndStepsGoOnFromItInBase16) {
    window->SetUpDown(kAddress);
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
    window->SetUpDown(kCount);
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

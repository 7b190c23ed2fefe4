#include "app/qt/up_down_spin_box.h"
#include "qt/recording_logic.h"
#include "resources/control_ids.h"

#include <QPushButton>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <gmock/gmock.h>
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

struct UpDownFixture : ::testing::Test {
    void SetUp() override {
        window = recording.shell.BuildWindow(ids::kMainTemplate, nullptr);
        ASSERT_NE(window, nullptr);
        window->Host().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window->Host()));
        address = &Get<UpDownSpinBox>(*window, m::kMemAddressEdit);
        count = &Get<UpDownSpinBox>(*window, m::kMemCountEdit);
    }

    std::string AddressText() const { return window->GetText(m::kMemAddressEdit); }

    void Type(QSpinBox& box, const char* keys) {
        box.setFocus();
        box.selectAll();
        QTest::keyClicks(&box, keys);
    }

    void ClickArrow(QSpinBox& box, QStyle::SubControl arrow) {
        QStyleOptionSpinBox option;
        option.initFrom(&box);
        option.subControls = QStyle::SC_All;
        option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        const QRect rect = box.style()->subControlRect(QStyle::CC_SpinBox, &option, arrow, &box);
        QTest::mouseClick(&box, Qt::LeftButton, {}, rect.center());
    }

    RecordingShell recording;
    std::unique_ptr<QtWindow> window;
    UpDownSpinBox* address = nullptr;
    UpDownSpinBox* count = nullptr;
};

TEST_F(UpDownFixture, BothIdsReachOneBoxThatShowsThePositionInItsBase) {
    EXPECT_EQ(&Get<UpDownSpinBox>(*window, m::kMemAddressUpDown), address);
    // Creation writes "0000" into the edit first; the up-down's position replaces it.
    window->SetText(m::kMemAddressEdit, "0000");
    window->SetUpDown(kAddress);
    EXPECT_EQ(AddressText(), "1000");
    UpDownSetup other = kAddress;
    other.position = 0xab;
    window->SetUpDown(other);
    EXPECT_EQ(AddressText(), "00AB");
    // A position outside the range is held at its bound.
    UpDownSetup tooMany = kCount;
    tooMany.position = 40;
    window->SetUpDown(tooMany);
    EXPECT_EQ(window->GetText(m::kMemCountEdit), "16");
    // An up-down ID given as the edit's is no pair: nothing changes.
    UpDownSetup mismatched = kAddress;
    mismatched.editId = m::kWriteAddressEdit;
    mismatched.position = 0x2000;
    window->SetUpDown(mismatched);
    EXPECT_EQ(AddressText(), "00AB");
    EXPECT_THAT(recording.last->commands, ::testing::IsEmpty());
}

TEST_F(UpDownFixture, TypedTextStaysAsTypedAndStepsGoOnFromIt) {
    window->SetUpDown(kAddress);
    Type(*address, "7ffe");
    // Leaving the box keeps the user's own text: the logic reads what was typed.
    Get<QPushButton>(*window, m::kMemRead).setFocus();
    EXPECT_EQ(AddressText(), "7ffe");
    QTest::keyClick(address, Qt::Key_Up);
    EXPECT_EQ(AddressText(), "7FFF");
    ClickArrow(*address, QStyle::SC_SpinBoxUp);
    EXPECT_EQ(AddressText(), "8000");
    // Text that is no number, or a number out of range, stays for the reader to judge.
    Type(*address, "-zg");
    Get<QPushButton>(*window, m::kMemRead).setFocus();
    EXPECT_EQ(AddressText(), "-zg");
    Type(*address, "fffe");
    ClickArrow(*address, QStyle::SC_SpinBoxUp);
    ClickArrow(*address, QStyle::SC_SpinBoxUp);
    EXPECT_EQ(AddressText(), "FFFF");

    window->SetUpDown(kCount);
    count->setFocus();
    QTest::keyClick(count, Qt::Key_Up);
    EXPECT_EQ(window->GetText(m::kMemCountEdit), "16");
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(count, Qt::Key_Down);
    }
    EXPECT_EQ(window->GetText(m::kMemCountEdit), "1");
    ClickArrow(*count, QStyle::SC_SpinBoxUp);
    EXPECT_EQ(window->GetText(m::kMemCountEdit), "2");
    // A count of 0 is the reader's to take, although the arrows stop at 1.
    Type(*count, "0");
    Get<QPushButton>(*window, m::kMemRead).setFocus();
    EXPECT_EQ(window->GetText(m::kMemCountEdit), "0");
    ClickArrow(*count, QStyle::SC_SpinBoxUp);
    EXPECT_EQ(window->GetText(m::kMemCountEdit), "2");
}

} // namespace
} // namespace korvane::testing

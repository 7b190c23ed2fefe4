#include "app/qt/up_down_control.h"
#include "qt/recording_logic.h"
#include "resources/control_ids.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

namespace m = ids::main;

struct UpDownFixture : ::testing::Test {
    void SetUp() override {
        window = recording.shell.BuildWindow(ids::kMainTemplate, nullptr);
        ASSERT_NE(window, nullptr);
        window->Host().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window->Host()));
        address = &Get<QLineEdit>(*window, m::kMemAddressEdit);
        addressArrows = &Get<UpDownControl>(*window, m::kMemAddressUpDown);
        count = &Get<QLineEdit>(*window, m::kMemCountEdit);
        countArrows = &Get<UpDownControl>(*window, m::kMemCountUpDown);
    }

    RecordingShell recording;
    std::unique_ptr<QtWindow> window;
    QLineEdit* address = nullptr;
    UpDownControl* addressArrows = nullptr;
    QLineEdit* count = nullptr;
    UpDownControl* countArrows = nullptr;
};

TEST_F(UpDownFixture, WritesItsPositionIntoTheEditInItsBase) {
    window->SetUpDown(m::kMemAddressUpDown, m::kMemAddressEdit, 16, 0, 0xFFFF, 0x1000);
    window->SetUpDown(m::kMemCountUpDown, m::kMemCountEdit, 10, 1, 16, 16);
    EXPECT_EQ(window->GetText(m::kMemAddressEdit), "1000");
    EXPECT_EQ(window->GetText(m::kMemCountEdit), "16");
    window->SetUpDown(m::kMemAddressUpDown, m::kMemAddressEdit, 16, 0, 0xFFFF, 0xab);
    EXPECT_EQ(window->GetText(m::kMemAddressEdit), "00AB");
    // A position outside the range is held at its bound.
    window->SetUpDown(m::kMemCountUpDown, m::kMemCountEdit, 10, 1, 16, 40);
    EXPECT_EQ(window->GetText(m::kMemCountEdit), "16");
    EXPECT_THAT(recording.last->commands, ::testing::IsEmpty());
}

TEST_F(UpDownFixture, ArrowButtonsAndKeysStepWithinTheRange) {
    window->SetUpDown(m::kMemAddressUpDown, m::kMemAddressEdit, 16, 0, 0xFFFF, 0x0FFF);
    QList<QToolButton*> arrows = addressArrows->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    QToolButton* up = arrows[0]->arrowType() == Qt::UpArrow ? arrows[0] : arrows[1];
    QToolButton* down = up == arrows[0] ? arrows[1] : arrows[0];
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(address->text(), QStringLiteral("1000"));
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(address->text(), QStringLiteral("0FFE"));

    window->SetUpDown(m::kMemCountUpDown, m::kMemCountEdit, 10, 1, 16, 15);
    count->setFocus();
    QTest::keyClick(count, Qt::Key_Up);
    QTest::keyClick(count, Qt::Key_Up);
    EXPECT_EQ(count->text(), QStringLiteral("16"));
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(count, Qt::Key_Down);
    }
    EXPECT_EQ(count->text(), QStringLiteral("1"));
    EXPECT_EQ(countArrows->Position(), 1);
}

TEST_F(UpDownFixture, StepsStartFromTheNumberTypedIntoTheEdit) {
    window->SetUpDown(m::kMemAddressUpDown, m::kMemAddressEdit, 16, 0, 0xFFFF, 0x1000);
    address->setFocus();
    address->selectAll();
    QTest::keyClicks(address, "7ffe");
    EXPECT_EQ(address->text(), QStringLiteral("7ffe"));
    QTest::keyClick(address, Qt::Key_Up);
    EXPECT_EQ(address->text(), QStringLiteral("7FFF"));
    // Text that is no number: the step goes on from the last position.
    address->setText(QStringLiteral("zz"));
    addressArrows->StepUp();
    EXPECT_EQ(address->text(), QStringLiteral("8000"));
    address->setText(QStringLiteral("0xFFFF"));
    addressArrows->StepUp();
    EXPECT_EQ(address->text(), QStringLiteral("FFFF"));

    // An inverted range steps up toward the upper bound.
    window->SetUpDown(m::kMemCountUpDown, m::kMemCountEdit, 10, 16, 1, 8);
    countArrows->StepUp();
    EXPECT_EQ(count->text(), QStringLiteral("7"));
    countArrows->StepDown();
    countArrows->StepDown();
    EXPECT_EQ(count->text(), QStringLiteral("9"));
}

} // namespace
} // namespace korvane::testing

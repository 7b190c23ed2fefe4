#include "app/qt/tab_stop_list.h"
#include "app/qt/tabbed_label.h"
#include "app/qt/tabbed_text.h"
#include "qt/recording_logic.h"
#include "resources/control_ids.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

namespace m = ids::main;

TEST(TabStops, JumpToTheFirstStopPastTheText) {
    DialogUnits units;
    units.x = 2.0;
    const TabStops stops({25, 37, 49});
    EXPECT_EQ(stops.NextStop(0, units), 50);
    EXPECT_EQ(stops.NextStop(49, units), 50);
    // Text reaching a stop goes on to the next one.
    EXPECT_EQ(stops.NextStop(50, units), 74);
    EXPECT_EQ(stops.NextStop(97, units), 98);
    // Past the last stop: every 32 units.
    EXPECT_EQ(stops.NextStop(98, units), 128);
    EXPECT_EQ(stops.NextStop(130, units), 192);
}

TEST(TabStops, OneStopRepeatsAndNoStopsMeanEvery32Units) {
    DialogUnits units;
    units.x = 1.5;
    EXPECT_EQ(TabStops({10}).NextStop(0, units), 15);
    EXPECT_EQ(TabStops({10}).NextStop(15, units), 30);
    EXPECT_EQ(TabStops({10}).NextStop(31, units), 45);
    EXPECT_EQ(TabStops().NextStop(0, units), 48);
    EXPECT_EQ(TabStops().NextStop(48, units), 96);
}

TEST(DialogUnitsOf, FollowTheFontSize) {
    QFont small;
    small.setPixelSize(10);
    QFont large;
    large.setPixelSize(20);
    const DialogUnits smallUnits = DialogUnitsOf(small);
    const DialogUnits largeUnits = DialogUnitsOf(large);
    EXPECT_GT(smallUnits.x, 0.5);
    EXPECT_GT(largeUnits.x, smallUnits.x * 1.5);
    EXPECT_GT(largeUnits.y, smallUnits.y * 1.5);
}

TEST(TabbedLineWidth, CountsTheJumpsToTheStops) {
    QFont font;
    font.setPixelSize(12);
    const QFontMetrics metrics(font);
    const DialogUnits units = DialogUnitsOf(font);
    const TabStops stops({40, 80});
    EXPECT_EQ(TabbedLineWidth("\tX", metrics, stops, units),
              units.ToPixelsX(40) + metrics.horizontalAdvance("X"));
    EXPECT_EQ(TabbedLineWidth("A\t\tX", metrics, stops, units),
              units.ToPixelsX(80) + metrics.horizontalAdvance("X"));
    EXPECT_EQ(TabbedLineWidth("plain", metrics, stops, units), metrics.horizontalAdvance("plain"));
}

// Leftmost column of `image` holding a pixel much darker than the background, or -1.
int FirstInkColumn(const QImage& image, int fromX, const QRect& rows) {
    const QRgb background = image.pixel(image.width() - 2, rows.center().y());
    for (int x = fromX; x < image.width(); ++x) {
        for (int y = rows.top(); y <= rows.bottom(); ++y) {
            if (qGray(background) - qGray(image.pixel(x, y)) > 100) {
                return x;
            }
        }
    }
    return -1;
}

TEST(TabStopListInWindow, KeepsTheLinesExactlyAndDrawsTabsAtTheStops) {
    RecordingShell recording;
    auto window = recording.shell.BuildWindow(ids::kMainTemplate, nullptr);
    window->Host().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window->Host()));
    auto* list = &Get<TabStopList>(*window, m::kParamList);
    ASSERT_NE(list, nullptr);

    window->SetTabStops(m::kParamList, {25, 45, 140, 150, 160});
    window->ListAdd(m::kParamList, "\t\tX");
    window->ListAdd(m::kParamList, "0010: EngineSpeed \t??");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("\t\tX"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("0010: EngineSpeed \t??"));

    // The X of the first line starts at the second stop, 45 dialog units in.
    QApplication::processEvents(); // the view lays its items out later
    const QImage image = list->viewport()->grab().toImage();
    const QRect row = list->visualItemRect(list->item(0));
    const DialogUnits units = DialogUnitsOf(list->font());
    const int ink = FirstInkColumn(image, 0, row);
    const int stop = units.ToPixelsX(45);
    EXPECT_GE(ink, stop);
    EXPECT_LT(ink, stop + 12 + QFontMetrics(list->font()).horizontalAdvance("X"));

    // A line break inside a line keeps it one line high, and in its text.
    window->ListAdd(m::kParamList, "EngineSpeedLow,%d,EngineSpeedLow\n");
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("EngineSpeedLow,%d,EngineSpeedLow\n"));
    QApplication::processEvents();
    EXPECT_EQ(list->visualItemRect(list->item(2)).height(),
              list->visualItemRect(list->item(1)).height());

    window->ListReset(m::kParamList);
    EXPECT_EQ(list->count(), 0);
}

TEST(TabbedLabel, LinesUpValuesAfterTabs) {
    TabbedLabel label;
    QFont font;
    font.setPixelSize(12);
    label.setFont(font);
    label.setText(QStringLiteral("Prefill bytes:  \t0x8000\nStart address:  \t0x8000\n"));
    const QSize size = label.sizeHint();
    const QFontMetrics metrics(font);
    EXPECT_EQ(size.height(), 2 * metrics.lineSpacing());
    EXPECT_GE(size.width(), TabbedLineWidth("Start address:  \t0x8000", metrics, TabStops(),
                                            DialogUnitsOf(font)));
    EXPECT_EQ(label.text(), QStringLiteral("Prefill bytes:  \t0x8000\nStart address:  \t0x8000\n"));
}

} // namespace
} // namespace korvane::testing

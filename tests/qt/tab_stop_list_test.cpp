#include "app/qt/tab_stop_list.h"
#include "app/qt/tabbed_label.h"
#include "app/qt/tabbed_text.h"
#include "qt/recording_logic.h"
#include "resources/control_ids.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

namespace m = ids::main;

TEST(TabStops, TextJumpsToTheFirstStopPastItThenEvery32UnitsOrTheOnlyStopAgain) {
    struct Case {
        std::vector<int> stops;
        double unitWidth;
        int from;
        int next;
    };
    const Case cases[] = {
        {{25, 37, 49}, 2.0, 0, 50},
        {{25, 37, 49}, 2.0, 49, 50},
        {{25, 37, 49}, 2.0, 50, 74},
        {{25, 37, 49}, 2.0, 97, 98},
        {{25, 37, 49}, 2.0, 98, 128},
        {{25, 37, 49}, 2.0, 130, 192},
        {{10}, 1.5, 0, 15},
        {{10}, 1.5, 15, 30},
        {{10}, 1.5, 31, 45},
        {{}, 1.5, 0, 48},
        {{}, 1.5, 48, 96},
        {{0, -8}, 1.5, 0, 48}, // stops at or before the line's start count for none
    };
    for (const Case& c : cases) {
        DialogUnits units;
        units.x = c.unitWidth;
        EXPECT_EQ(TabStops(c.stops).NextStop(c.from, units), c.next)
            << ::testing::PrintToString(c.stops) << " from " << c.from;
    }
}

TEST(TabbedText, LineWidthsCountTheJumpsToTheStops) {
    QFont font;
    font.setPixelSize(20);
    const DialogUnits units = DialogUnitsOf(font);
    // A quarter of an average letter wide, an eighth of a line high: some pixels each.
    EXPECT_GT(units.x, 1.5);
    EXPECT_GT(units.y, 2.0);
    const QFontMetrics metrics(font);
    const TabStops stops({40, 80});
    const int x = metrics.horizontalAdvance("X");
    EXPECT_EQ(TabbedLineWidth("\tX", metrics, stops, units), units.ToPixelsX(40) + x);
    EXPECT_EQ(TabbedLineWidth("A\t\tX", metrics, stops, units), units.ToPixelsX(80) + x);
    EXPECT_EQ(TabbedLineWidth("plain", metrics, stops, units), metrics.horizontalAdvance("plain"));
}

// Leftmost column of `rows` holding a pixel much darker than the background, or -1.
int FirstInkColumn(const QImage& image, const QRect& rows) {
    const QRgb background = image.pixel(image.width() - 2, rows.center().y());
    for (int x = 0; x < image.width(); ++x) {
        for (int y = rows.top(); y <= rows.bottom(); ++y) {
            if (qGray(background) - qGray(image.pixel(x, y)) > 100) {
                return x;
            }
        }
    }
    return -1;
}

using TabStopListInWindow = ShownWindow;

TEST_F(TabStopListInWindow, KeepsTheLinesExactlyAndDrawsTabsAtTheStops) {
    auto& list = Get<TabStopList>(*window, m::kParamList);
    window->SetTabStops(m::kParamList, {25, 45, 140, 150, 160});
    window->ListAdd(m::kParamList, "\t\tX");
    window->ListAdd(m::kParamList, "EngineSpeedLow,%d,EngineSpeedLow\n");
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("\t\tX"));
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("EngineSpeedLow,%d,EngineSpeedLow\n"));

    QApplication::processEvents(); // the view lays its items out later
    // The X of the first line starts at the second stop, 45 dialog units in.
    const int ink =
        FirstInkColumn(list.viewport()->grab().toImage(), list.visualItemRect(list.item(0)));
    const int stop = DialogUnitsOf(list.font()).ToPixelsX(45);
    EXPECT_GE(ink, stop);
    EXPECT_LT(ink, stop + 12 + QFontMetrics(list.font()).horizontalAdvance("X"));
    // A line break inside a line keeps it one line high.
    EXPECT_EQ(list.visualItemRect(list.item(1)).height(),
              list.visualItemRect(list.item(0)).height());

    window->ListReset(m::kParamList);
    EXPECT_EQ(list.count(), 0);
}

TEST(TabbedLabel, LinesUpValuesAfterTabs) {
    const QString text = QStringLiteral("Prefill bytes:  \t0x8000\nStart address:  \t0x8000\n");
    TabbedLabel label;
    QFont font;
    font.setPixelSize(12);
    label.setFont(font);
    label.setText(text);
    const QFontMetrics metrics(font);
    EXPECT_EQ(label.sizeHint().height(), 2 * metrics.lineSpacing());
    EXPECT_GE(label.sizeHint().width(), TabbedLineWidth("Start address:  \t0x8000", metrics,
                                                        TabStops(), DialogUnitsOf(font)));
    EXPECT_EQ(label.text(), text);
}

} // namespace
} // namespace korvane::testing

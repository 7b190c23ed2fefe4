#include "app/qt/graph/strip_chart_model.h"

#include <cmath>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

namespace korvane {
namespace {

GraphPass Pass(double seconds, std::optional<double> a, std::optional<double> b) {
    GraphPass pass{seconds, {}};
    pass.samples.push_back({"A", a, "rpm"});
    pass.samples.push_back({"B", b, ""});
    return pass;
}

std::vector<std::vector<double>> Times(const StripChartModel::Strip& strip) {
    std::vector<std::vector<double>> lines;
    for (const StripLine& line : strip.lines) {
        lines.emplace_back();
        for (const StripPoint& point : line) {
            lines.back().push_back(point.seconds);
        }
    }
    return lines;
}

TEST(StripChartModel, MissingValuesAndNewRunsBreakTheLinesAndNothingIsMadeUp) {
    StripChartModel model;
    model.Choose({"A", "B", "never seen"});
    model.AddPass(Pass(100.0, 1, 10));
    model.AddPass(Pass(100.5, 2, std::nullopt));
    model.AddPass(Pass(101.0, 3, 30));
    model.StartRun();
    model.AddPass(Pass(105.0, 4, 40));
    model.AddPass(Pass(105.5, std::nullopt, 50));

    const auto strips = model.Strips(1000);
    ASSERT_EQ(strips.size(), 3U);
    EXPECT_EQ(Times(strips[0]), (std::vector<std::vector<double>>{{0, 0.5, 1.0}, {5.0}}));
    EXPECT_EQ(Times(strips[1]), (std::vector<std::vector<double>>{{0}, {1.0}, {5.0, 5.5}}));
    EXPECT_EQ(strips[0].lines[0][2].value, 3);
    EXPECT_EQ(strips[0].current, std::nullopt); // not read in the newest pass
    EXPECT_EQ(strips[1].current, 50);
    EXPECT_EQ(strips[0].unit, "rpm");
    EXPECT_TRUE(strips[2].lines.empty());
    EXPECT_LE(strips[1].low, 10);
    EXPECT_GE(strips[1].high, 50);
    EXPECT_EQ(model.SegmentCount(), 2U);
}

TEST(StripChartModel, AnHourIsDecimatedToTheWidthKeepingItsPeak) {
    StripChartModel model;
    model.Choose({"A"});
    model.SetSpan(std::nullopt);
    for (int pass = 0; pass < 36000; ++pass) {
        model.AddPass(Pass(pass * 0.1, pass == 12345 ? 999.0 : std::sin(pass * 0.01), 0));
    }
    const auto strips = model.Strips(200);
    ASSERT_EQ(strips[0].lines.size(), 1U);
    EXPECT_LE(strips[0].lines[0].size(), 4U * 202);
    double peak = 0;
    for (const StripPoint& point : strips[0].lines[0]) {
        peak = std::max(peak, point.value);
    }
    EXPECT_EQ(peak, 999.0);
}

TEST(StripChartModel, SpanDefaultsToAMinuteAndPauseFreezesTheViewWhilePassesGoOn) {
    StripChartModel model;
    const auto at = [](StripChartModel::TimeRange range) {
        return std::vector<double>{range.from, range.to};
    };
    model.AddPass(Pass(0, 1, 1));
    EXPECT_EQ(at(model.Visible()), (std::vector<double>{0, 60}));
    model.AddPass(Pass(120, 1, 1));
    EXPECT_EQ(at(model.Visible()), (std::vector<double>{60, 120}));
    model.SetPaused(true);
    model.AddPass(Pass(130, 1, 1));
    EXPECT_EQ(at(model.Visible()), (std::vector<double>{60, 120}));
    EXPECT_EQ(model.PassCount(), 3U);
    model.SetPaused(false);
    model.SetSpan(1);
    EXPECT_EQ(at(model.Visible()), (std::vector<double>{120, 130}));
    model.SetSpan(std::nullopt);
    EXPECT_EQ(at(model.Visible()), (std::vector<double>{0, 130}));
}

TEST(StripChartModel, LogRunsAreSegmentsOnTheirOwnTimes) {
    StripChartModel model;
    model.Choose({"A"});
    const double none = std::nan("");
    model.AddRun({"A", "Switches"}, {50.0, 51.0}, {{1, none}, {none, none}});
    model.AddRun({"B", "A"}, {60.0, 61.0}, {{7, 8}, {3, 4}});
    // Only columns with numbers are offered as strips.
    EXPECT_EQ(model.Parameters(), (std::vector<std::string>{"A", "B"}));
    model.SetSpan(std::nullopt);
    EXPECT_EQ(Times(model.Strips(1000)[0]), (std::vector<std::vector<double>>{{0}, {10.0, 11.0}}));
}

TEST(GraphSample, TakesTheReadingsNumberAndTheUnitOfItsText) {
    const GraphSample volts = ReadingSample("BatteryVolts", 12.48, "12.48 V");
    EXPECT_EQ(volts.value, 12.48);
    EXPECT_EQ(volts.unit, "V");
    // The text of these would read as another number, or none.
    EXPECT_EQ(ReadingSample("Word", 300.0, "12C").value, 300.0);
    EXPECT_EQ(ReadingSample("Switches", 165.0, "0xA5").value, 165.0);
    const GraphSample text = ReadingSample("Switch", std::nullopt, "1 ON");
    EXPECT_EQ(text.value, std::nullopt);
    EXPECT_EQ(text.unit, "");
}

} // namespace
} // namespace korvane

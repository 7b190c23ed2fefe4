#include "dashboard/dashboard_model.h"
#include "dashboard/default_tiles.h"
#include "dashboard/tile_columns.h"
#include "reading/parameter_pass.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace korvane {
namespace {

using ::testing::ElementsAre;
using ::testing::Field;

TEST(LimitState, TheWarningStartsPastALimitNotAtIt) {
    const Limits both{80, 105};
    const struct {
        double value;
        Limits limits;
        LimitState expected;
    } cases[] = {
        {105, both, LimitState::Within},
        {105.01, both, LimitState::Above},
        {104.99, both, LimitState::Within},
        {80, both, LimitState::Within},
        {79.99, both, LimitState::Below},
        {80.01, both, LimitState::Within},
        {-1e9, {std::nullopt, 105}, LimitState::Within},
        {1e9, {80, std::nullopt}, LimitState::Within},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LimitStateOf(c.value, c.limits), c.expected) << c.value;
    }
}

TEST(GaugeRange, AnAutomaticRangeRunsFromZeroToARoundNumberAboveValuesAndLimits) {
    const struct {
        std::optional<double> lowest, highest;
        Limits limits;
        double low, high;
    } cases[] = {
        {std::nullopt, std::nullopt, {}, 0, 1},     {12.4, 12.6, {}, 0, 15}, {-12, 80, {}, -12, 80},
        {800, 2450, {std::nullopt, 6500}, 0, 8000}, {-30, -5, {}, -30, 0},
    };
    for (const auto& c : cases) {
        const GaugeRange range = AutomaticRange(c.lowest, c.highest, c.limits);
        EXPECT_DOUBLE_EQ(range.low, c.low);
        EXPECT_DOUBLE_EQ(range.high, c.high);
    }
    EXPECT_DOUBLE_EQ(GaugeFraction(2000, {0, 8000}), 0.25);
    EXPECT_DOUBLE_EQ(GaugeFraction(9000, {0, 8000}), 1);
    EXPECT_DOUBLE_EQ(GaugeFraction(-5, {0, 8000}), 0);
}

TEST(TileColumns, FollowTheAreaSoTilesStayLargest) {
    EXPECT_EQ(TileColumns(1200, 900, 16), 4);
    EXPECT_EQ(TileColumns(1920, 1080, 6), 3);
    EXPECT_EQ(TileColumns(1920, 300, 6), 6);
    EXPECT_EQ(TileColumns(400, 1200, 6), 1);
    EXPECT_EQ(TileColumns(800, 600, 0), 1);
}

RomIdView Group() {
    return {"A1B2C3",
            {{0x10, "Volts", "%.2f V"},
             {0x11, "Flags", "0x%02X"},
             {0x12, "Coolant", "%d C"},
             {0x13, "Rpm", "%.0f rpm"},
             {0x14, "Count", "%d"},
             {0x15, "Raw", "%o"},
             {0x17, "Trim", "%.1f %%"},
             {0x18, "Plain", "V"},
             {0x19, "Extra", "%d"}},
            std::nullopt,
            std::nullopt};
}

// A pass reading Coolant as the number given (none: its read failed) and Volts as 12.48.
ParameterPassResult Pass(std::optional<double> coolant) {
    ParameterPassResult pass;
    pass.read = true;
    pass.parameters.push_back({0x10, "Volts", 0x9C, "12.48 V", 12.48});
    ParameterReading& reading = pass.parameters.emplace_back();
    reading.name = "Coolant";
    if (coolant) {
        reading.byte = 0;
        reading.value = std::to_string(static_cast<int>(*coolant)) + " C";
        reading.number = coolant;
    }
    return pass;
}

TEST(DashboardModel, WithoutSettingsATileForEachOfTheFirstSixQuantitiesInReadingOrder) {
    DashboardModel model;
    EXPECT_TRUE(model.Tiles(0).empty());
    model.ShowGroup(Group());
    EXPECT_THAT(model.Tiles(0),
                ElementsAre(Field(&TileView::name, "Volts"), Field(&TileView::name, "Coolant"),
                            Field(&TileView::name, "Rpm"), Field(&TileView::name, "Count"),
                            Field(&TileView::name, "Trim"), Field(&TileView::name, "Plain")));
    EXPECT_EQ(model.Tiles(0)[0].freshness, Freshness::Waiting);
    // Settings for the ROM ID, spelt in another case, win.
    DashboardSettings settings;
    settings.SetTiles("a1b2c3", {{"Rpm", 0, 8000, {}}, {"Flags", {}, {}, {}}});
    model.SetSettings(settings);
    EXPECT_THAT(model.Tiles(0),
                ElementsAre(Field(&TileView::name, "Rpm"), Field(&TileView::name, "Flags")));
}

TEST(DashboardModel, LowestAndHighestCoverTheRunAndStartAgainWithTheNext) {
    DashboardModel model;
    model.ShowGroup(Group());
    model.AddPass(Pass(90), true, 0);
    model.AddPass(Pass(std::nullopt), false, 1);
    model.AddPass(Pass(110), false, 2);
    model.AddPass(Pass(100), false, 3);
    TileView coolant = model.Tiles(3)[1];
    EXPECT_EQ(coolant.lowest, 90);
    EXPECT_EQ(coolant.highest, 110);
    EXPECT_EQ(model.Tiles(3)[0].lowestText, "12.48"); // written like the value
    model.AddPass(Pass(95), true, 10);
    coolant = model.Tiles(10)[1];
    EXPECT_EQ(coolant.lowest, 95);
    EXPECT_EQ(coolant.highest, 95);
    EXPECT_EQ(coolant.lowestText, "95");
    // The automatic range keeps what the earlier run saw.
    EXPECT_DOUBLE_EQ(coolant.range.high, 120);
    model.ShowGroup(Group()); // read again: the tiles keep what they read
    EXPECT_EQ(model.Tiles(10)[1].value, 95);
    RomIdView edited = Group();
    edited.parameters[2].format = "%.1f C";
    model.ShowGroup(edited);
    EXPECT_EQ(model.Tiles(10)[1].freshness, Freshness::Waiting);
}

TEST(DashboardModel, AFailedReadShowsMissingAndANumberOlderThanTwoPassesStale) {
    DashboardModel model;
    DashboardSettings settings;
    settings.SetTiles("A1B2C3", {{"Coolant", {}, {}, {std::nullopt, 100}}, {"Gone", {}, {}, {}}});
    model.SetSettings(settings);
    model.ShowGroup(Group());
    model.AddPass(Pass(110), true, 10.0);
    model.AddPass(Pass(110), false, 10.5); // a pass every half second
    TileView coolant = model.Tiles(10.6)[0];
    EXPECT_EQ(coolant.freshness, Freshness::Fresh);
    EXPECT_EQ(coolant.valueText, "110");
    EXPECT_EQ(coolant.unit, "C");
    EXPECT_EQ(coolant.limit, LimitState::Above);
    EXPECT_EQ(model.Tiles(10.6)[1].freshness, Freshness::Missing); // not in the passes
    EXPECT_EQ(PassRateText(model.Rate(), 10.8), "2.0 passes/s, newest pass 0.3 s ago");

    coolant = model.Tiles(11.6)[0];
    EXPECT_EQ(coolant.freshness, Freshness::Stale);
    EXPECT_EQ(coolant.value, 110);
    EXPECT_EQ(coolant.limit, LimitState::Within); // flagged stale, not as a warning

    model.AddPass(Pass(std::nullopt), false, 12.0);
    coolant = model.Tiles(12.0)[0];
    EXPECT_EQ(coolant.freshness, Freshness::Missing);
    EXPECT_EQ(coolant.valueText, "--");
    EXPECT_EQ(coolant.value, std::nullopt);
    EXPECT_EQ(coolant.limit, LimitState::Within);

    model.AddPass(Pass(99), false, 12.5);
    EXPECT_EQ(model.Tiles(12.5)[0].freshness, Freshness::Fresh);
    EXPECT_EQ(model.Tiles(12.5)[0].limit, LimitState::Within);
}

} // namespace
} // namespace korvane

#include "dashboard/settings_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(SettingsText, EverySettingReadsBackAsItWasWritten) {
    DashboardSettings settings;
    settings.look = DashboardLook::Night;
    settings.SetTiles("A1B2C3", {{"EngineSpeed", 0, 8000, {std::nullopt, 6500}},
                                 {"Coolant, engine", -40, 0.1, {-12.5, 1e-7}},
                                 {"BatteryVolts", {}, {}, {11.8, std::nullopt}}});
    settings.SetTiles("4A3107", {});
    EXPECT_EQ(ParseSettingsText(SettingsText(settings)), settings);
}

TEST(SettingsText, DamagedLinesAreLeftOutAndTheRestKept) {
    const DashboardSettings settings = ParseSettingsText("Tile=,,,,Orphan\n"
                                                         "Look=dusk\n"
                                                         "[A1B2C3]\r\n"
                                                         "Tile=0,8000,,6500,Rpm\r\n"
                                                         "Tile=0,x,,,BadNumber\n"
                                                         "Tile=9,1,,,Backwards\n"
                                                         "Tile=5,5,,,Flat\n"
                                                         "Tile=,,9,1,CrossedLimits\n"
                                                         "Tile=0,,,,HalfARange\n"
                                                         "Tile=,,,,\n"
                                                         "Tile=,,,nan,NotANumber\n"
                                                         "Something else\n"
                                                         "Tile= , ,+1 , , Volts");
    EXPECT_EQ(settings.look, DashboardLook::System);
    ASSERT_NE(settings.TilesFor("A1B2C3"), nullptr);
    EXPECT_THAT(*settings.TilesFor("A1B2C3"),
                ::testing::ElementsAre(TileSettings{"Rpm", 0, 8000, {std::nullopt, 6500}},
                                       TileSettings{" Volts", {}, {}, {1, std::nullopt}}));
}

} // namespace
} // namespace korvane

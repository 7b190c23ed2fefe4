#include "app/qt/dashboard/dashboard_window.h"
#include "app/qt/dashboard/tile_board.h"
#include "app/qt/dashboard/tile_painter.h"
#include "reading/parameter_pass.h"
#include "support/scratch_folder.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

TEST(DashboardTile, EachStateFillsTheGaugeAndFramesTheTileAsItsValueSays) {
    const DashboardColours colours = DayColours();
    const QRectF tile(0, 0, 400, 300);
    const QRectF bar = GaugeRect(tile);
    const struct {
        Freshness freshness;
        std::optional<double> value;
        LimitState limit;
        QColor fill;  // the bar's colour short of the value
        QColor frame; // a few pixels in from the tile's edge
    } cases[] = {
        {Freshness::Fresh, 25, LimitState::Within, colours.fill, colours.tile},
        {Freshness::Fresh, 90, LimitState::Above, colours.high, colours.high},
        {Freshness::Fresh, 10, LimitState::Below, colours.low, colours.low},
        {Freshness::Stale, 25, LimitState::Within, colours.staleFill, colours.tile},
        {Freshness::Missing, std::nullopt, LimitState::Within, colours.track, colours.tile},
        {Freshness::Waiting, std::nullopt, LimitState::Within, colours.track, colours.tile},
    };
    for (const auto& c : cases) {
        TileView view;
        view.name = "CoolantTemp";
        view.valueText = c.value ? QString::number(*c.value).toStdString() : "--";
        view.unit = "C";
        view.freshness = c.freshness;
        view.value = c.value;
        view.limit = c.limit;
        view.range = {0, 100};
        view.limits = {20, 80};
        QImage image(tile.size().toSize(), QImage::Format_RGB32);
        QPainter painter(&image);
        PaintTile(painter, tile, view, colours);
        painter.end();

        const int y = static_cast<int>(bar.center().y());
        const auto at = [&](double fraction) {
            return image.pixelColor(static_cast<int>(bar.left() + bar.width() * fraction), y);
        };
        const double shown = c.value.value_or(0) / 100;
        SCOPED_TRACE(static_cast<int>(c.freshness) * 10 + static_cast<int>(c.limit));
        EXPECT_EQ(at(std::max(shown - 0.03, 0.01)), c.fill);
        EXPECT_EQ(at(shown + 0.03), colours.track);
        // Past a limit, the border is thick: the warning colour a few pixels in.
        EXPECT_EQ(image.pixelColor(static_cast<int>(WarningBorderWidth(tile)) - 1, 150), c.frame);
        // Each limit stands out of the bar where it lies.
        EXPECT_EQ(image.pixelColor(static_cast<int>(bar.left() + bar.width() * 0.8),
                                   static_cast<int>(bar.top()) - 2),
                  colours.limitMark);
    }
}

ParameterPassResult CoolantPass(double celsius) {
    ParameterPassResult pass;
    pass.read = true;
    pass.parameters.push_back(
        {0x1235, "CoolantTemp", 0x80, QString::number(celsius).toStdString() + " C", celsius});
    return pass;
}

TEST(DashboardWindow, ShowsThePassesAndFindsItsSettingsAgainAfterARestart) {
    ScratchFolder folder;
    const QString path = QString::fromStdString(folder.File("config/korvane/dashboard.ini"));
    const RomIdView group{"A1B2C3",
                          {{0x1235, "CoolantTemp", "%d C"}, {0x1236, "Flags", "0x%02X"}},
                          std::nullopt,
                          std::nullopt};
    double now = 100;
    {
        DashboardWindow dashboard(nullptr, path, [&now] { return now; });
        dashboard.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dashboard));
        dashboard.ShowGroup(group);
        dashboard.AddPass(CoolantPass(92), true);
        ASSERT_EQ(dashboard.Board().Tiles().size(), 1u);
        EXPECT_EQ(dashboard.Board().Tiles()[0].valueText, "92");
        DashboardSettings settings;
        settings.look = DashboardLook::Night;
        settings.SetTiles("A1B2C3", {{"Flags", {}, {}, {}}, {"CoolantTemp", 0, 120, {{}, 105}}});
        dashboard.ApplySettings(settings);
        // The tile kept what it read, and its limit warns at once.
        now = 100.5;
        dashboard.AddPass(CoolantPass(106), false);
        ASSERT_EQ(dashboard.Board().Tiles().size(), 2u);
        EXPECT_EQ(dashboard.Board().Tiles()[1].limit, LimitState::Above);
        EXPECT_EQ(dashboard.Board().Tiles()[1].lowest, 92);
        EXPECT_EQ(dashboard.StatusText(), "2.0 passes/s, newest pass 0.0 s ago");
    }
    DashboardWindow restarted(nullptr, path);
    restarted.ShowGroup(group);
    EXPECT_EQ(restarted.Model().Settings().look, DashboardLook::Night);
    EXPECT_EQ(restarted.Model().ChosenTiles().size(), 2u);
    EXPECT_EQ(restarted.Model().ChosenTiles()[1].limits.high, 105);
}

} // namespace
} // namespace korvane::testing

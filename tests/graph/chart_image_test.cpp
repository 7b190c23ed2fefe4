#include "app/qt/graph/chart_image.h"

#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

namespace korvane {
namespace {

TEST(ChartImage, DrawsAPngOfTheAskedSizeAndRefusesOtherExtensions) {
    testing::ScratchFolder folder;
    StripChartModel model;
    model.Choose({"EngineSpeed"});
    for (int pass = 0; pass < 100; ++pass) {
        model.AddPass({pass * 0.1, {{"EngineSpeed", 800.0 + pass, "rpm"}}});
    }
    const QString png = QString::fromStdString(folder.File("chart.png"));
    QString error;
    ASSERT_TRUE(SaveChartImage(model, QSize(640, 400), png, error)) << error.toStdString();
    const QImage image(png);
    EXPECT_EQ(image.size(), QSize(640, 400));
    // Something is drawn: many pixels differ from the background.
    int drawn = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            drawn += image.pixel(x, y) != image.pixel(0, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(drawn, 500);

    const QString jpg = QString::fromStdString(folder.File("chart.jpg"));
    EXPECT_FALSE(SaveChartImage(model, QSize(640, 400), jpg, error));
    EXPECT_FALSE(QFileInfo::exists(jpg));
}

} // namespace
} // namespace korvane

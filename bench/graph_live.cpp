// The live graph's cost on the GUI thread: one Read Parameters pass added to a chart of 16
// strips that keeps an hour of passes at 10 passes per second, and the chart drawn again
// (laid out and painted into an image of a typical window size), for the default span
// and for everything since the start.
#include "app/qt/graph/strip_chart_model.h"
#include "app/qt/graph/strip_chart_scene.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>

namespace {

constexpr int kStrips = 16;
constexpr int kPassesPerSecond = 10;
constexpr int kHourOfPasses = 3600 * kPassesPerSecond;
const QSize kWindow(1200, 900);

QApplication& Application() {
    static int argc = 1;
    static char name[] = "bench_graph_live";
    static char* argv[] = {name, nullptr};
    static const std::unique_ptr<QApplication> application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    }();
    return *application;
}

korvane::GraphPass Pass(long index) {
    korvane::GraphPass pass;
    pass.seconds = static_cast<double>(index) / kPassesPerSecond;
    for (int strip = 0; strip < kStrips; ++strip) {
        std::optional<double> value = 100 * std::sin(index * 0.003 * (strip + 1)) + strip;
        if ((index + strip) % 97 == 0) {
            value.reset(); // now and then a parameter not read
        }
        pass.samples.push_back({"Parameter" + std::to_string(strip), value, "unit"});
    }
    return pass;
}

void AddPassAndRedraw(benchmark::State& state, std::optional<double> span) {
    Application();
    korvane::StripChartModel model;
    long passes = 0;
    for (; passes < kHourOfPasses; ++passes) {
        model.AddPass(Pass(passes));
    }
    std::vector<std::string> all = model.Parameters();
    model.Choose(all);
    model.SetSpan(span);
    korvane::StripChartScene scene;
    QImage image(kWindow, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores)
        model.AddPass(Pass(passes++));
        scene.Show(model, QSizeF(kWindow));
        QPainter painter(&image);
        scene.render(&painter);
    }
    state.counters["passes_kept"] = static_cast<double>(model.PassCount());
}

void BM_AddPassAndRedraw_Minute(benchmark::State& state) {
    AddPassAndRedraw(state, korvane::StripChartModel::kDefaultSpan);
}
void BM_AddPassAndRedraw_Hour(benchmark::State& state) {
    AddPassAndRedraw(state, std::nullopt);
}
BENCHMARK(BM_AddPassAndRedraw_Minute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddPassAndRedraw_Hour)->Unit(benchmark::kMillisecond);

} // namespace

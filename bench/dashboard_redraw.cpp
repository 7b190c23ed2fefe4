// The dashboard's cost on the GUI thread per Read Parameters pass: 16 tiles, each with a
// range and limits, take the pass and the window of 1200x900 is drawn again offscreen.
#include "app/qt/dashboard/dashboard_window.h"
#include "reading/parameter_pass.h"
#include "reading/rom_id_view.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

constexpr int kTiles = 16;
const QSize kWindow(1200, 900);

QApplication& Application() {
    static int argc = 1;
    static char name[] = "bench_dashboard_redraw";
    static char* argv[] = {name, nullptr};
    static const std::unique_ptr<QApplication> application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    }();
    return *application;
}

korvane::ParameterPassResult Pass(long index) {
    korvane::ParameterPassResult pass;
    pass.read = true;
    for (int tile = 0; tile < kTiles; ++tile) {
        const double value = 50 + 45 * std::sin(index * 0.05 * (tile + 1));
        korvane::ParameterReading& reading = pass.parameters.emplace_back();
        reading.name = "Parameter" + std::to_string(tile);
        if ((index + tile) % 53 != 0) { // now and then a failed read
            reading.byte = 0;
            reading.value = std::to_string(value).substr(0, 5) + " unit";
            reading.number = value;
        }
    }
    return pass;
}

void BM_PassAndRedraw16Tiles(benchmark::State& state) {
    Application();
    korvane::RomIdView group{"A1B2C3", {}, std::nullopt, std::nullopt};
    korvane::DashboardSettings settings;
    std::vector<korvane::TileSettings> tiles;
    for (int tile = 0; tile < kTiles; ++tile) {
        const std::string name = "Parameter" + std::to_string(tile);
        group.parameters.push_back({static_cast<std::uint32_t>(tile), name, "%.1f unit"});
        tiles.push_back({name, 0, 100, {10, 90}});
    }
    settings.SetTiles("A1B2C3", tiles);
    korvane::DashboardWindow window(nullptr, QString());
    window.ApplySettings(settings);
    window.ShowGroup(group);
    window.resize(kWindow);
    window.show();
    QApplication::processEvents(); // laid out at its size
    QImage image(kWindow, QImage::Format_ARGB32_Premultiplied);
    long index = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores)
        window.AddPass(Pass(index), index == 0);
        ++index;
        window.render(&image);
    }
    state.counters["tiles"] = static_cast<double>(window.Model().Tiles(0).size());
}
BENCHMARK(BM_PassAndRedraw16Tiles)->Unit(benchmark::kMillisecond);

} // namespace

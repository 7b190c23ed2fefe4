// How long the window's thread goes without handling events during a Read Parameters run
// with Repeat: the largest gap between the ticks of a 10 ms timer, against the paced
// simulated car and against a silent one. Measures; asserts nothing.
//   QT_QPA_PLATFORM=offscreen korvane-gui-latency [SECONDS]

#include "app/application.h"
#include "app/qt/control_id.h"
#include "app/qt/thread_worker.h"
#include "app/qt/wired_main_window.h"
#include "resources/control_ids.h"
#include "sim_process.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
namespace m = korvane::ids::main;

// The window's control of this ID.
template <class T> T& Control(QWidget& window, int id) {
    for (auto* control : window.findChildren<T*>()) {
        if (control->property(korvane::kControlIdProperty).toInt() == id) {
            return *control;
        }
    }
    std::fprintf(stderr, "no control %d\n", id);
    std::exit(1);
}

struct Gaps {
    qint64 largestMs = 0;
    long ticks = 0;
};

Gaps MeasureRun(const std::vector<std::string>& carOptions, int seconds) {
    const fs::path folder =
        fs::temp_directory_path() / ("korvane-latency-" + std::to_string(getpid()));
    fs::create_directories(folder / "config");
    for (const char* name : {"paramdef.ini", "SelectMonitor.ini"}) {
        fs::copy_file(fs::path(KORVANE_EXAMPLES_DIR) / name, folder / name,
                      fs::copy_options::overwrite_existing);
    }
    ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    korvane::ecusim::SimProcess car;
    std::vector<std::string> arguments = carOptions;
    arguments.insert(arguments.end(), {"--com", "1"});
    if (!car.Start(arguments)) {
        std::fprintf(stderr, "the simulator did not start\n");
        std::exit(1);
    }
    fs::current_path(folder);

    Gaps gaps;
    {
        std::ostringstream trace;
        korvane::Application application(nullptr, trace);
        korvane::ThreadWorker worker;
        application.UseWorker(worker);
        korvane::WiredMainWindow main(application.Context());
        QWidget& window = main.Window();
        window.show();
        (void)QTest::qWaitFor(
            [&] { return Control<QLabel>(window, m::kPortStatus).text() == "Ok"; }, 10000);
        Control<QLineEdit>(window, m::kInputSwitchAddress).setText("0020");
        Control<QCheckBox>(window, m::kParamRepeat).setChecked(true);
        Control<QPushButton>(window, m::kGetRomId).click();
        (void)QTest::qWaitFor(
            [&] { return Control<QLineEdit>(window, m::kRomIdEdit).text() != "------------"; },
            30000);
        Control<QPushButton>(window, m::kParamRead).click();

        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            gaps.largestMs = std::max(gaps.largestMs, now - last);
            last = now;
            ++gaps.ticks;
        });
        timer.start(10);
        QTest::qWait(seconds * 1000);
        timer.stop();
        Control<QPushButton>(window, m::kParamStop).click();
    }
    car.Signal(SIGTERM);
    car.WaitForExit(std::chrono::seconds(5));
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(folder);
    return gaps;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    for (const auto& [name, options] :
         std::vector<std::pair<const char*, std::vector<std::string>>>{
             {"paced simulator", {}}, {"silent unit", {"--silent"}}}) {
        const Gaps gaps = MeasureRun(options, seconds);
        std::printf("%-16s largest gap between 10 ms ticks: %lld ms (%ld ticks in %d s)\n", name,
                    static_cast<long long>(gaps.largestMs), gaps.ticks, seconds);
    }
    return 0;
}

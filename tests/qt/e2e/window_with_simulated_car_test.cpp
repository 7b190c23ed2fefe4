// The window program as a new user first meets it: the simulated car reached as COM1, the
// example definition files in the working folder, "Get ROM ID", one "Read" with a log open.

#include "app/application.h"
#include "app/qt/graph/chart_panel.h"
#include "app/qt/graph/graph_windows.h"
#include "app/qt/graph/live_graph_window.h"
#include "app/qt/qt_shell.h"
#include "app/qt/qt_window.h"
#include "app/qt/thread_worker.h"
#include "qt/recording_logic.h"
#include "resources/control_ids.h"
#include "sim_process.h"
#include "support/scratch_folder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <latch>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace korvane::testing {
namespace {

namespace m = ids::main;
namespace fs = std::filesystem;

// Accepts the next file dialog that opens with the given path typed into its name box, once
// the dialog has taken it: a dialog still setting itself up may put its suggestion back.
void AnswerNextFileDialog(const QString& path) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) {
            name->setText(path);
        }
        if (dialog->selectedFiles().value(0) == path) {
            poll->stop();
            poll->deleteLater();
            static_cast<QDialog*>(dialog)->accept();
        }
    });
    poll->start(10);
}

// Waits until everything posted to the worker so far has run and been shown.
bool Drain(UnitWorker& worker) {
    bool drained = false;
    worker.Post([] {}, [&drained] { drained = true; });
    return QTest::qWaitFor([&drained] { return drained; }, 30000);
}

// True when the list draws text: its viewport holds more than its background colour.
bool ShowsRows(QListWidget& list) {
    const QImage image = list.viewport()->grab().toImage();
    const QRgb background = list.viewport()->palette().color(QPalette::Base).rgb();
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            drawn += image.pixel(x, y) != background ? 1 : 0;
        }
    }
    return drawn > 200;
}

std::vector<std::string> ListLines(const QtWindow& window, int id) {
    std::vector<std::string> lines;
    const auto& list = Get<QListWidget>(window, id);
    for (int row = 0; row < list.count(); ++row) {
        lines.push_back(list.item(row)->text().toStdString());
    }
    return lines;
}

// A parameter row is "ADDR \t0xBB \t= Name \tvalue".
struct Row {
    unsigned raw = 0;
    std::string value;
};

std::map<std::string, Row> ParameterRows(const std::vector<std::string>& lines) {
    std::map<std::string, Row> rows;
    for (const std::string& line : lines) {
        const auto equals = line.find("\t= ");
        const auto valueTab = line.rfind('\t');
        const auto rawAt = line.find("\t0x");
        if (equals == std::string::npos || rawAt == std::string::npos) {
            continue;
        }
        const std::string name = line.substr(equals + 3, line.find(' ', equals + 3) - equals - 3);
        rows[name] = {static_cast<unsigned>(std::stoul(line.substr(rawAt + 3, 2), nullptr, 16)),
                      line.substr(valueTab + 1)};
    }
    return rows;
}

std::string Volts(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f V", value);
    return text;
}

std::string Rpm(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.0f rpm", value);
    return text;
}

class WorkingFolder {
public:
    explicit WorkingFolder(const fs::path& folder) : before_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~WorkingFolder() {
        std::error_code error;
        fs::current_path(before_, error);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    fs::path before_;
};

TEST(WindowWithSimulatedCar, ReadsTheRomIdAndLiveValuesAndLogsThePass) {
    ScratchFolder demo;
    ScratchFolder config;
    for (const char* name : {"paramdef.ini", "SelectMonitor.ini"}) {
        fs::copy_file(fs::path(KORVANE_EXAMPLES_DIR) / name, demo.Path() / name);
    }
    ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    ecusim::SimProcess car;
    ASSERT_TRUE(car.Start({"--com", "1", "--frozen"}));
    ASSERT_TRUE(fs::is_symlink(config.Path() / "korvane" / "ports" / "COM1"));

    WorkingFolder inDemo(demo.Path());
    std::vector<std::string> startupWarnings;
    std::ostringstream trace;
    Application application(
        [&](const std::string&, const std::string& caption) { startupWarnings.push_back(caption); },
        trace);
    ThreadWorker worker;
    application.UseWorker(worker);
    QtShell shell(application.LogicFactory());
    auto window = shell.BuildWindow(ids::kMainTemplate, nullptr);
    ASSERT_NE(window, nullptr);
    window->Host().show();
    EXPECT_TRUE(startupWarnings.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->GetText(m::kPortStatus) == "Ok"; }, 10000));
    EXPECT_EQ(ListLines(*window, m::kMemList).front(), "*** Reading: paramdef.ini");

    AnswerNextFileDialog(QString::fromStdString(demo.File("run.csv")));
    window->Controls().FindMenuCommand(ids::kMenuOpenLog)->trigger();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window->GetText(m::kLogStatus) == demo.File("run.csv"); }, 10000))
        << window->GetText(m::kLogStatus);

    QTest::mouseClick(&Get<QPushButton>(*window, m::kGetRomId), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->GetText(m::kRomIdEdit) == "A1B2C3"; }, 10000));
    EXPECT_EQ(window->ComboItemText(m::kRomIdCombo, window->ComboSelection(m::kRomIdCombo)),
              "A1B2C3  Example engine unit");

    QTest::mouseClick(&Get<QPushButton>(*window, m::kParamRead), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const auto lines = ListLines(*window, m::kParamList);
            return !lines.empty() && lines.front().rfind("Bytes read:", 0) == 0;
        },
        20000));
    const auto lines = ListLines(*window, m::kParamList);
    ASSERT_EQ(lines.front(), "Bytes read: 16  Count: 0");

    // The values are the example formulas applied to the bytes the car sent.
    auto rows = ParameterRows(lines);
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows["BatteryVolts"].value, Volts(rows["BatteryVolts"].raw * 8 / 100.0));
    EXPECT_EQ(rows["CoolantTemp"].value,
              std::to_string(static_cast<int>(rows["CoolantTemp"].raw) - 40) + " C");
    EXPECT_EQ(rows["EngineSpeed"].value,
              Rpm((rows["EngineSpeed"].raw * 256 + rows["EngineSpeedLow"].raw) / 4.0));
    // The live graph took the pass with the numbers the list shows; the switch bytes,
    // shown as hexadecimal text, are not offered as strips.
    StripChartModel graph = window->Host().findChild<GraphWindows*>()->Live().Panel().Model();
    EXPECT_EQ(graph.PassCount(), 1u);
    const auto& offered = graph.Parameters();
    EXPECT_EQ(std::count(offered.begin(), offered.end(), "InputSwitches"), 0);
    graph.Choose({"CoolantTemp"});
    const auto coolant = graph.Strips(100).at(0);
    EXPECT_EQ(coolant.current, static_cast<int>(rows["CoolantTemp"].raw) - 40);
    EXPECT_EQ(coolant.unit, "C");
    char switches[3];
    std::snprintf(switches, sizeof switches, "%02X", rows["InputSwitches"].raw);
    EXPECT_EQ(window->GetText(m::kInputSwitchValue), switches);

    window->Controls().FindMenuCommand(ids::kMenuCloseLog)->trigger();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window->GetText(m::kLogStatus) == "Closed."; }, 10000));
    std::istringstream log(ReadWholeFile(demo.File("run.csv")));
    std::vector<std::string> logLines;
    for (std::string line; std::getline(log, line);) {
        logLines.push_back(line);
    }
    ASSERT_EQ(logLines.size(), 4u) << ::testing::PrintToString(logLines);
    EXPECT_NE(logLines[0].find(",Starting log session."), std::string::npos);
    EXPECT_NE(logLines[1].find(",*** Read Parameters ***"), std::string::npos);
    EXPECT_NE(logLines[2].find(",BatteryVolts,CoolantTemp,"), std::string::npos);
    const std::string volts = rows["BatteryVolts"].value;
    EXPECT_NE(logLines[3].find("," + volts.substr(0, volts.find(' ')) + ","), std::string::npos);

    // With Repeat the passes follow one another until Stop, which acts at once.
    QTest::mouseClick(&Get<QCheckBox>(*window, m::kParamRepeat), Qt::LeftButton);
    QTest::mouseClick(&Get<QPushButton>(*window, m::kParamRead), Qt::LeftButton);
    EXPECT_FALSE(Get<QPushButton>(*window, m::kParamRead).isEnabled());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return ListLines(*window, m::kParamList).front() == "Bytes read: 16  Count: 3"; },
        20000));

    // Hold the line while the next pass waits for it: the window stays live and keeps the
    // rows of the pass before on screen.
    std::latch held(1);
    std::atomic<bool> holding{false};
    // A failed check below must not leave the worker held: its end waits for the work.
    auto release = qScopeGuard([&held] { held.count_down(); });
    worker.Post(
        [&] {
            holding = true;
            held.wait();
        },
        [] {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return holding.load(); }, 20000));
    auto& list = Get<QListWidget>(*window, m::kParamList);
    QCoreApplication::processEvents();
    EXPECT_EQ(list.count(), 17);
    EXPECT_TRUE(ShowsRows(list));

    QTest::mouseClick(&Get<QPushButton>(*window, m::kParamStop), Qt::LeftButton);
    EXPECT_TRUE(Get<QPushButton>(*window, m::kParamRead).isEnabled());
    release.dismiss();
    held.count_down();
    ASSERT_TRUE(Drain(worker));
    const std::string stoppedAt = ListLines(*window, m::kParamList).front();
    // The run is over: no pass is under way and none follows.
    EXPECT_EQ(application.Context().runState, RunState::Idle);
    ASSERT_TRUE(Drain(worker));
    EXPECT_EQ(ListLines(*window, m::kParamList).front(), stoppedAt);
    ::unsetenv("XDG_CONFIG_HOME");
}

} // namespace
} // namespace korvane::testing

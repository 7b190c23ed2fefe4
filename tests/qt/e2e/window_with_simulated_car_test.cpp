// The window program as a new user first meets it: the simulated car reached as COM1, the
// example definition files in the working folder, a log opened, "Get ROM ID", one "Read".

#include "app/application.h"
#include "app/qt/graph/chart_panel.h"
#include "app/qt/graph/graph_windows.h"
#include "app/qt/graph/live_graph_window.h"
#include "app/qt/parameter_table.h"
#include "app/qt/thread_worker.h"
#include "app/qt/wired_main_window.h"
#include "qt/recording_actions.h"
#include "resources/control_ids.h"
#include "sim_process.h"
#include "support/port_folder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace korvane::testing {
namespace {

namespace m = ids::main;
namespace fs = std::filesystem;

TEST(WindowWithSimulatedCar, ReadsTheRomIdAndLiveValuesAndLogsThePass) {
    ScratchFolder demo;
    for (const char* name : {"paramdef.ini", "SelectMonitor.ini"}) {
        fs::copy_file(fs::path(KORVANE_EXAMPLES_DIR) / name, demo.Path() / name);
    }
    const PortFolder ports; // where the simulator links COM1
    const fs::path before = fs::current_path();
    fs::current_path(demo.Path());
    const auto restore = qScopeGuard([&before] { fs::current_path(before); });
    ecusim::SimProcess car;
    ASSERT_TRUE(car.Start({"--com", "1", "--frozen"}));

    std::ostringstream trace;
    std::string warning;
    Application application(
        [&](const std::string&, const std::string& caption) { warning = caption; }, trace);
    ThreadWorker worker;
    application.UseWorker(worker);
    WiredMainWindow main(application.Context());
    MainWindow& window = main.Window();
    window.show();
    EXPECT_EQ(warning, "");
    const auto text = [&window](int id) -> std::string {
        if (id == m::kPortStatus || id == m::kLogStatus) {
            return Control<QLabel>(window, id).text().toStdString();
        }
        return Control<QLineEdit>(window, id).text().toStdString();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return text(m::kPortStatus) == "Ok"; }, 30000));

    const std::string logPath = demo.File("run.csv");
    // Typed into the name box until the dialog has taken it: one still setting itself up may
    // put its suggestion back.
    AnswerNextModal<QFileDialog>([path = QString::fromStdString(logPath)](QFileDialog& dialog) {
        if (auto* name = dialog.findChild<QLineEdit*>("fileNameEdit")) {
            name->setText(path);
        }
        const bool taken = dialog.selectedFiles().value(0) == path;
        if (taken) {
            static_cast<QDialog&>(dialog).accept(); // public only as a QDialog
        }
        return taken;
    });
    Control<QAction>(window, ids::kMenuOpenLog).trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return text(m::kLogStatus) == logPath; }, 30000))
        << text(m::kLogStatus);

    QTest::mouseClick(&Control<QPushButton>(window, m::kGetRomId), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return text(m::kRomIdEdit) == "A1B2C3"; }, 30000));
    EXPECT_EQ(Control<QComboBox>(window, m::kRomIdCombo).currentText(),
              "A1B2C3  Example engine unit");

    QTest::mouseClick(&Control<QPushButton>(window, m::kParamRead), Qt::LeftButton);
    const auto& table = Control<ParameterTable>(window, m::kParamList);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return table.Lines().value(0).startsWith("Bytes read:"); }, 30000));
    std::vector<std::string> rows;
    for (const QString& row : table.Lines()) {
        rows.push_back(row.toStdString());
    }
    EXPECT_EQ(rows.front(), "Bytes read: 16  Count: 0");
    EXPECT_EQ(rows.size(), 17u);
    // A row is "ADDR \t0xBB \t= Name \tvalue": the example formula applied to the car's byte.
    const auto coolant = std::find_if(rows.begin(), rows.end(), [](const std::string& row) {
        return row.find("\t= CoolantTemp ") != std::string::npos;
    });
    ASSERT_NE(coolant, rows.end());
    const int celsius = std::stoi(coolant->substr(coolant->find("\t0x") + 3, 2), nullptr, 16) - 40;
    EXPECT_EQ(coolant->substr(coolant->rfind('\t') + 1), std::to_string(celsius) + " C");
    // The live graph took the pass with the number the list shows.
    StripChartModel graph = window.Graphs().Live().Panel().Model();
    graph.Choose({"CoolantTemp"});
    EXPECT_EQ(graph.Strips(100).at(0).current, celsius);

    Control<QAction>(window, ids::kMenuCloseLog).trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return text(m::kLogStatus) == "Closed."; }, 30000));
    // The session's start, the pass's heading, its names and its values.
    const std::string log = ReadWholeFile(logPath);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4) << log;
    EXPECT_NE(log.find(",BatteryVolts,CoolantTemp,"), std::string::npos);
    EXPECT_NE(log.find("," + std::to_string(celsius) + ","), std::string::npos);
}

} // namespace
} // namespace korvane::testing

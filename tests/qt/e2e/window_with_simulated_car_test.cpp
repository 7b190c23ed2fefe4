// The window program as a new user first meets it: the simulated car reached as COM1, the
// example definition files in the working folder, a log opened, "Get ROM ID", one "Read";
// and the connection checks run from its Help menu.

#include "app/application.h"
#include "app/qt/connection_check_dialog.h"
#include "app/qt/dashboard/dashboard_window.h"
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
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace korvane::testing {
namespace {

namespace m = ids::main;
namespace fs = std::filesystem;

// The simulated car as COM1, the example definitions in a scratch working folder, and the
// window over the worker thread, its port opened.
struct WindowWithSimulatedCar : ::testing::Test {
    void SetUp() override {
        for (const char* name : {"paramdef.ini", "SelectMonitor.ini"}) {
            fs::copy_file(fs::path(KORVANE_EXAMPLES_DIR) / name, demo.Path() / name);
        }
        fs::current_path(demo.Path());
        ASSERT_TRUE(car.Start({"--com", "1", "--frozen"}));
        // Made once the car is there: start-up probes the ports.
        application = std::make_unique<Application>(
            [this](const std::string&, const std::string& caption) { warning = caption; }, trace);
        application->UseWorker(worker);
        main = std::make_unique<WiredMainWindow>(application->Context());
        window().show();
        EXPECT_EQ(warning, "");
        ASSERT_TRUE(QTest::qWaitFor([&] { return text(m::kPortStatus) == "Ok"; }, kPatienceMs));
    }
    void TearDown() override {
        main.reset();
        fs::current_path(before);
    }
    MainWindow& window() const { return main->Window(); }
    std::string text(int id) const {
        if (id == m::kPortStatus || id == m::kLogStatus) {
            return Control<QLabel>(window(), id).text().toStdString();
        }
        return Control<QLineEdit>(window(), id).text().toStdString();
    }
    void GetRomId() const {
        Control<QLineEdit>(window(), m::kRomIdEdit).clear();
        QTest::mouseClick(&Control<QPushButton>(window(), m::kGetRomId), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return text(m::kRomIdEdit) == "A1B2C3"; }, kPatienceMs));
    }
    // Types `path` into the next file dialog and accepts it.
    static void AnswerFileDialog(const std::string& path) {
        // Typed into the name box until the dialog has taken it: one still setting itself up
        // may put its suggestion back.
        AnswerNextModal<QFileDialog>([path = QString::fromStdString(path)](QFileDialog& dialog) {
            if (auto* name = dialog.findChild<QLineEdit*>("fileNameEdit")) {
                name->setText(path);
            }
            const bool taken = dialog.selectedFiles().value(0) == path;
            if (taken) {
                static_cast<QDialog&>(dialog).accept(); // public only as a QDialog
            }
            return taken;
        });
    }

    static constexpr int kPatienceMs = 30000;
    ScratchFolder demo;
    const PortFolder ports; // where the simulator links COM1
    const fs::path before = fs::current_path();
    ecusim::SimProcess car;
    std::ostringstream trace;
    std::string warning;
    std::unique_ptr<Application> application;
    // Ends before the port it serves is released with the application.
    ThreadWorker worker;
    std::unique_ptr<WiredMainWindow> main;
};

TEST_F(WindowWithSimulatedCar, ReadsTheRomIdAndLiveValuesAndLogsThePass) {
    MainWindow& window = this->window();
    const std::string logPath = demo.File("run.csv");
    AnswerFileDialog(logPath);
    Control<QAction>(window, ids::kMenuOpenLog).trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return text(m::kLogStatus) == logPath; }, kPatienceMs))
        << text(m::kLogStatus);

    GetRomId();
    EXPECT_EQ(Control<QComboBox>(window, m::kRomIdCombo).currentText(),
              "A1B2C3  Example engine unit");

    QTest::mouseClick(&Control<QPushButton>(window, m::kParamRead), Qt::LeftButton);
    const auto& table = Control<ParameterTable>(window, m::kParamList);
    ASSERT_TRUE(QTest::qWaitFor([&] { return table.Lines().value(0).startsWith("Bytes read:"); },
                                kPatienceMs));
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
    // So did the dashboard, whose first six tiles include it.
    const std::vector<TileView> tiles = window.Dashboard().Model().Tiles(0);
    ASSERT_GE(tiles.size(), 2u);
    EXPECT_EQ(tiles[1].name, "CoolantTemp");
    EXPECT_EQ(tiles[1].value, celsius);

    Control<QAction>(window, ids::kMenuCloseLog).trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return text(m::kLogStatus) == "Closed."; }, kPatienceMs));
    // The session's start, the pass's heading, its names and its values.
    const std::string log = ReadWholeFile(logPath);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4) << log;
    EXPECT_NE(log.find(",BatteryVolts,CoolantTemp,"), std::string::npos);
    EXPECT_NE(log.find("," + std::to_string(celsius) + ","), std::string::npos);
}

TEST_F(WindowWithSimulatedCar, ChecksTheConnectionOverItsOwnPortAndReadsOnAfterwards) {
    const auto openCheck = [this] {
        Control<QAction>(window(), ids::kMenuCheckConnection).trigger();
        auto* dialog = window().findChild<ConnectionCheckDialog*>();
        EXPECT_NE(dialog, nullptr);
        return QPointer<ConnectionCheckDialog>(dialog);
    };
    // Closed mid-check: it goes at once, and the window's port still works.
    QPointer<ConnectionCheckDialog> dialog = openCheck();
    ASSERT_TRUE(dialog);
    QTest::keyClick(dialog, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, kPatienceMs));
    GetRomId();

    dialog = openCheck();
    ASSERT_TRUE(dialog);
    auto* status = dialog->findChild<QLabel*>("status");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return status->text().startsWith("Verdict:"); }, kPatienceMs));
    EXPECT_EQ(status->text(), "Verdict: clean");
    const auto* steps = dialog->findChild<QTreeWidget*>("steps");
    QStringList rows;
    for (int row = 0; row < steps->topLevelItemCount(); ++row) {
        const QTreeWidgetItem& item = *steps->topLevelItem(row);
        rows << item.text(0).trimmed() + " " + item.text(1);
    }
    EXPECT_EQ(rows, QStringList({"ok Port name", "ok Adapter", "ok Access", "ok Line", "ok Units",
                                 "ok Line quality"}));
    EXPECT_TRUE(steps->topLevelItem(4)->text(2).startsWith("answers: ECU (ROM ID A1B2C3)"));

    const std::string reportPath = demo.File("report.txt");
    AnswerFileDialog(reportPath);
    QTest::mouseClick(dialog->findChild<QPushButton*>("saveReport"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(reportPath); }, kPatienceMs));
    const std::string report = ReadWholeFile(reportPath);
    EXPECT_NE(report.find("\nPort: COM1\n"), std::string::npos) << report;
    EXPECT_NE(report.find(" < A1 B2 C3\n"), std::string::npos) << report;
    QTest::mouseClick(dialog->findChild<QPushButton*>("close"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, kPatienceMs));
    GetRomId();
}

} // namespace
} // namespace korvane::testing

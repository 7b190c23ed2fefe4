#include "log/log_file_reader.h"

#include <cmath>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "log/fake_utc_clock.h"
#include "log/log_cell_number.h"
#include "log/log_file.h"
#include "support/scratch_folder.h"

namespace korvane {
namespace {

using testing::FakeUtcClock;
using testing::ScratchFolder;

// Writes what a Read Parameters run writes: the header, the names, a row per pass.
void WriteRun(LogFile& log, FakeUtcClock& clock, const std::vector<std::string>& names,
              const std::vector<std::vector<std::string>>& rows, TimeOfDay start) {
    clock.now = start;
    log.Write("*** Read Parameters ***\n");
    for (const auto& name : names) {
        log.Write("%s,", name.c_str());
    }
    log.Write("\n");
    for (const auto& row : rows) {
        for (const auto& cell : row) {
            log.Write("%s,", cell.c_str());
        }
        log.Write("\n");
        clock.now.millisecond += 100;
    }
}

void AppendRaw(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::app) << text;
}

class LogReader : public ::testing::Test {
protected:
    ScratchFolder folder;
    FakeUtcClock clock;
    LogFile log{clock.Function()};
};

TEST_F(LogReader, ReadsRunsOfEitherSeparatorWithGapsForEmptyAndNonNumericCells) {
    for (const char* name : {"trip.csv", "trip.txt"}) {
        SCOPED_TRACE(name);
        const std::string path = folder.File(name);
        ASSERT_TRUE(log.Open(path));
        WriteRun(log, clock, {"EngineSpeed", "BatteryVolts"},
                 {{"800", "12.5"}, {"", "-0.25"}, {"1e3", "--"}}, {10, 0, 0, 0});
        log.Close();

        const LogReadResult result = ReadLogFile(path);
        ASSERT_EQ(result.outcome, LogReadOutcome::Read) << result.message;
        ASSERT_EQ(result.content.runs.size(), 1U);
        EXPECT_EQ(result.content.skippedLines, 0U);
        const LogRun& run = result.content.runs[0];
        EXPECT_EQ(run.columns, (std::vector<std::string>{"EngineSpeed", "BatteryVolts"}));
        EXPECT_EQ(run.seconds, (std::vector<double>{36000.0, 36000.1, 36000.2}));
        const std::vector<std::optional<double>> speed{800.0, std::nullopt, 1000.0};
        const std::vector<std::optional<double>> volts{12.5, -0.25, std::nullopt};
        for (std::size_t row = 0; row < 3; ++row) {
            EXPECT_EQ(run.Value(0, row), speed[row]);
            EXPECT_EQ(run.Value(1, row), volts[row]);
        }
    }
}

TEST_F(LogReader, SkipsReadMemoryCommentAndTornLinesAndGoesOnPastMidnight) {
    const std::string path = folder.File("drive.csv");
    ASSERT_TRUE(log.Open(path));
    WriteRun(log, clock, {"A", "B"}, {{"1", "2"}, {"3", "4"}}, {23, 59, 59, 800});
    AppendRaw(path, "23:59:59.950,5,\n"); // torn: one cell of two
    AppendRaw(path, "# a note someone added\n");
    clock.now = {0, 0, 0, 50}; // the next pass is after midnight
    log.Write("%s,%s,\n", "5", "6");
    log.Write("Start Address%c%4.4X\n", log.Separator(), 0x1234U); // Read Memory ends the run
    log.Write("%2.2x,%2.2x,\n", 0x3fU, 0x12U);
    WriteRun(log, clock, {"C"}, {{"7"}}, {0, 0, 1, 0});
    log.Close();

    const LogReadResult result = ReadLogFile(path);
    ASSERT_EQ(result.outcome, LogReadOutcome::Read) << result.message;
    EXPECT_EQ(result.content.skippedLines, 4U);
    ASSERT_EQ(result.content.runs.size(), 2U);
    const LogRun& first = result.content.runs[0];
    ASSERT_EQ(first.RowCount(), 3U);
    EXPECT_DOUBLE_EQ(first.seconds[2], 86400.05);
    EXPECT_EQ(first.Value(1, 2), 6.0);
    EXPECT_EQ(result.content.runs[1].columns, std::vector<std::string>{"C"});
    EXPECT_DOUBLE_EQ(result.content.runs[1].seconds.at(0), 86401.0);
}

TEST_F(LogReader, ReadsRowsAcrossTheBoundariesOfItsReadBuffer) {
    // More than the 1 MiB the reader takes at a time: a row straddles the boundary.
    std::string text = "10:00:00.000,*** Read Parameters ***\n10:00:00.000,A,B,\n";
    constexpr int kRows = 60000;
    for (int i = 0; i < kRows; ++i) {
        text += "10:00:00.000," + std::to_string(i) + ",-" + std::to_string(i % 7) + ".5,\n";
    }
    const std::string path = folder.File("long.csv");
    testing::WriteWholeFile(path, text);
    ASSERT_GT(text.size(), 1u << 20);

    const LogReadResult result = ReadLogFile(path);
    ASSERT_EQ(result.content.runs.size(), 1U);
    EXPECT_EQ(result.content.skippedLines, 0U);
    const LogRun& run = result.content.runs[0];
    ASSERT_EQ(run.RowCount(), static_cast<std::size_t>(kRows));
    for (int i = 0; i < kRows; ++i) {
        ASSERT_EQ(run.Value(0, i), i);
        ASSERT_EQ(run.Value(1, i), -(i % 7) - 0.5);
    }
}

TEST_F(LogReader, NamesWhatIsWrongWithAFileThatIsNoLog) {
    const std::string empty = folder.File("empty.csv");
    const std::string text = folder.File("notes.csv");
    testing::WriteWholeFile(empty, "");
    testing::WriteWholeFile(text, "EngineSpeed,Coolant,\n800,85,\n");
    const struct {
        std::string path;
        LogReadOutcome outcome;
    } cases[] = {
        {folder.Path().string(), LogReadOutcome::Folder},
        {folder.File("missing.csv"), LogReadOutcome::CannotRead},
        {empty, LogReadOutcome::Empty},
        {text, LogReadOutcome::NotALog},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const LogReadResult result = ReadLogFile(c.path);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_NE(result.message.find(c.path), std::string::npos) << result.message;
        EXPECT_TRUE(result.content.runs.empty());
    }
}

TEST(LogCellNumber, ReadsWholeDecimalNumbersOnly) {
    EXPECT_EQ(LogCellNumber("12.5"), 12.5);
    EXPECT_EQ(LogCellNumber("-40"), -40.0);
    for (const char* text : {"", "--", "3f", "12V", " 12", "nan", "inf", "1e999"}) {
        EXPECT_EQ(LogCellNumber(text), std::nullopt) << text;
    }
}

} // namespace
} // namespace korvane

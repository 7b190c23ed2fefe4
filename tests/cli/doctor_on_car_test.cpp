// korvane-cli doctor against the simulated car: a clean car passes with exit 0 and its
// report holds the system, the steps and the trace of the checks' own traffic; a garbling
// line is judged not clean.

#include "car_test.h"

#include <fstream>
#include <sstream>

namespace korvane::cli::testing {
namespace {

std::string FileText(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

using DoctorOnCar = CarTest;

TEST_F(DoctorOnCar, ACleanCarPassesAndItsReportHoldsTheTrace) {
    const std::string report = folder.File("report.txt");
    const CliResult result = Cli({"doctor", "--report", report});
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "Verdict: clean") << result.out;
    EXPECT_NE(result.out.find("[ ok ] Units: answers: ECU (ROM ID A1B2C3), TCU (ROM ID 4A3107)"),
              std::string::npos)
        << result.out;

    const std::string text = FileText(report);
    for (const char* part :
         {"Version: 1.2\n", "\nSystem: ", "[ ok ] Line quality: clean",
          "- 32 of 32 reads of address 0000 from the ECU: 32 clean", "Verdict: clean\n",
          " > 00 46 48 49\n", " < A1 B2 C3\n", " > 12 00 00 00\n", " purge\n"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    }
}

class GarbledCar : public CarTest {
protected:
    void SetUp() override { StartCar(car, {"--seed", "3", "--garble", "0.2"}); }
};

TEST_F(GarbledCar, IsNotCalledClean) {
    const CliResult result = Cli({"doctor"});
    EXPECT_EQ(result.exitCode, 1) << result.out << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(lines.back() == "Verdict: marginal: loose connector or long cable" ||
                lines.back() == "Verdict: unusable")
        << result.out;
}

} // namespace
} // namespace korvane::cli::testing

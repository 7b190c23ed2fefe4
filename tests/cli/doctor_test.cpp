// korvane-cli doctor over a played system, port and car: for each way a connection fails,
// the step that says so, the verdict and the exit code. No time passes: the clock counts.

#include "cli_process.h"
#include "doctor/played_system.h"
#include "doctor_command.h"
#include "link/fake_device.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <sstream>

namespace korvane::cli {
namespace {

using fakes::Bytes;
using fakes::FtdiAdapter;
using fakes::PlayedNodes;
using fakes::PlayedTree;

class PlayedPort final : public DoctorPort {
public:
    int madeRate = 1953;
    std::string refusal; // why the port does not open; empty when it opens
    fakes::FakeDevice device;

    bool Open(const std::string& /*name*/, PortOpenError& error) override {
        error.reason = refusal;
        return refusal.empty();
    }
    int MadeBaudRate() const override { return madeRate; }
    ByteChannel& Channel() override { return device; }
    Sleeper& Pauses() override { return device; }
};

class CountingClock final : public DoctorClock {
public:
    double NowMs() const override { return ++ticks_; }

private:
    mutable double ticks_ = 0;
};

// A car whose units with these read commands answer: a read with its address echoed (or,
// without echo, its complement) and the byte 42, the ROM ID request with 4A 31 and the
// command of the unit read last.
fakes::FakeDevice::Responder Car(std::set<std::uint8_t> answering, bool echo = true) {
    auto lastCommand = std::make_shared<std::uint8_t>(0);
    return [=](const Bytes& frame) -> Bytes {
        if (frame == fakes::kRomIdRequestBytes) {
            return answering.count(*lastCommand) ? Bytes{0x4A, 0x31, *lastCommand} : Bytes{};
        }
        if (frame == fakes::kStopBytes) {
            return {};
        }
        *lastCommand = frame[0];
        if (!answering.count(frame[0])) {
            return {};
        }
        const std::uint8_t high = frame.size() == 4 ? frame[1] : 0;
        const std::uint8_t low = frame[2];
        return echo
                   ? Bytes{high, low, 0x42}
                   : Bytes{static_cast<std::uint8_t>(~high), static_cast<std::uint8_t>(~low), 0x42};
    };
}

const std::set<std::uint8_t> kAllUnits = {0x78, 0x45, 0x89, 0x92, 0xAB};

struct Scenario {
    const char* name;
    std::function<void(PlayedTree&, PlayedNodes&, PlayedPort&)> play;
    std::string marks;   // of the six steps in order
    std::string finding; // a text the first step that did not pass says, cause and fix included
    std::string verdict;
    int exitCode;
};

void PrintTo(const Scenario& scenario, std::ostream* os) {
    *os << scenario.name;
}

class Doctor : public ::testing::TestWithParam<Scenario> {};

TEST_P(Doctor, NamesTheStepThatFailsAndEndsWithTheVerdict) {
    const Scenario& scenario = GetParam();
    PlayedTree tree;
    PlayedNodes nodes;
    PlayedPort port;
    FtdiAdapter(tree);
    port.device.SetResponder(Car(kAllUnits));
    scenario.play(tree, nodes, port);
    CliOptions options;
    options.port = "/dev/ttyUSB0";
    CountingClock clock;
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = RunDoctorOn(options, {tree, nodes}, port, clock, out, err);

    std::string marks;
    std::string firstNotPassed; // with its cause and fix
    for (const std::string& line : testing::Lines(out.str())) {
        if (line.rfind("[", 0) != 0) {
            if (marks.find_first_not_of("ok ") != std::string::npos &&
                firstNotPassed.find("fix: ") == std::string::npos) {
                firstNotPassed += "\n" + line;
            }
            continue;
        }
        std::string mark = line.substr(1, 4);
        mark.erase(0, mark.find_first_not_of(' '));
        mark.erase(mark.find_last_not_of(' ') + 1);
        marks += (marks.empty() ? "" : " ") + mark;
        if (mark != "ok" && firstNotPassed.empty()) {
            firstNotPassed = line;
        }
    }
    EXPECT_EQ(marks, scenario.marks) << out.str();
    EXPECT_NE(firstNotPassed.find(scenario.finding), std::string::npos) << out.str();
    EXPECT_EQ(testing::Lines(out.str()).back(), "Verdict: " + scenario.verdict);
    EXPECT_EQ(exitCode, scenario.exitCode);
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, Doctor,
    ::testing::Values(
        Scenario{"CleanCar", [](auto&, auto&, auto&) {}, "ok ok ok ok ok ok", "", "clean", 0},
        Scenario{"DanglingLink",
                 [](auto&, PlayedNodes& nodes, auto&) {
                     nodes.node = {true, "/dev/ttyUSB3", false};
                 },
                 "FAIL skip skip skip skip skip",
                 "a link to /dev/ttyUSB3, which does not exist\n"
                 "       cause: the adapter is unplugged or has another name",
                 "no connection: /dev/ttyUSB0 is a link to /dev/ttyUSB3, which does not exist", 1},
        Scenario{"NotInTheGroup",
                 [](auto&, PlayedNodes& nodes, auto&) {
                     nodes.access = {"dialout", false, false, false};
                 },
                 "ok ok FAIL skip skip skip", "belongs to the group dialout, and you are not in it",
                 "no connection: permission refused: /dev/ttyUSB0 belongs to the group "
                 "dialout, and you are not in it",
                 1},
        Scenario{"AddedButNotLoggedInAgain",
                 [](auto&, PlayedNodes& nodes, auto&) {
                     nodes.access = {"dialout", false, false, true};
                 },
                 "ok ok FAIL skip skip skip", "this login does not have it yet",
                 "no connection: permission refused: you were added to the group dialout but "
                 "this login does not have it yet",
                 1},
        Scenario{"HeldByAnotherProgram",
                 [](auto&, PlayedNodes& nodes, auto&) {
                     nodes.holders = {{"minicom", 4242}};
                 },
                 "ok ok FAIL skip skip skip", "in use by minicom (process 4242)",
                 "no connection: /dev/ttyUSB0 is in use by minicom (process 4242)", 1},
        Scenario{"LockedByAnotherProgram",
                 [](auto&, auto&, PlayedPort& port) { port.refusal = "in use by another program"; },
                 "ok ok ok FAIL skip skip", "does not open: in use by another program",
                 "no connection: /dev/ttyUSB0 does not open: in use by another program", 1},
        Scenario{"ChipWithoutTheRate",
                 [](PlayedTree& tree, auto&, PlayedPort& port) {
                     tree.links["class/tty/ttyUSB0/device/driver"] = "cp210x";
                     tree.attributes["class/tty/ttyUSB0/device/../../idVendor"] = "10c4";
                     tree.attributes["class/tty/ttyUSB0/device/../../idProduct"] = "ea71";
                     port.madeRate = 2400;
                 },
                 "ok FAIL ok FAIL skip skip",
                 "Silicon Labs CP2101, CP2102, CP2103, CP2108, cannot make 1953 baud",
                 "no connection: driver cp210x: Silicon Labs CP2101, CP2102, CP2103, CP2108, "
                 "cannot make 1953 baud",
                 1},
        Scenario{"DriverMakesAnotherRate",
                 [](PlayedTree& tree, auto&, PlayedPort& port) {
                     tree.links["class/tty/ttyUSB0/device/driver"] = "cp210x";
                     port.madeRate = 2400;
                 },
                 "ok ok ok FAIL skip skip",
                 "the driver set 2400 baud, not 1953\n       cause: the adapter's chip cannot make "
                 "1953 baud (Silicon Labs CP2102N, CP2104 or CP2101, CP2102, CP2103)",
                 "no connection: the driver set 2400 baud, not 1953", 1},
        Scenario{"RepliesButNoRomId",
                 [](auto&, auto&, PlayedPort& port) {
                     port.device.SetResponder([](const Bytes& frame) {
                         return frame == fakes::kRomIdRequestBytes ? Bytes{} : Bytes{0, 0, 0x42};
                     });
                 },
                 "ok ok ok ok FAIL skip", "replies come, but no unit gives a ROM ID",
                 "no connection: replies come, but no unit gives a ROM ID", 1},
        Scenario{"SlowLatencyTimer",
                 [](PlayedTree& tree, auto&, auto&) {
                     tree.attributes["class/tty/ttyUSB0/device/latency_timer"] = "16";
                 },
                 "ok ok ok warn ok ok", "each address will take up to 40 % longer; set it to 1",
                 "clean", 0},
        Scenario{"SilentCar",
                 [](auto&, auto&, PlayedPort& port) { port.device.SetResponder(nullptr); },
                 "ok ok ok ok FAIL skip", "no unit answers", "no connection: no unit answers", 1},
        Scenario{
            "UnitWithoutEcho",
            [](auto&, auto&, PlayedPort& port) { port.device.SetResponder(Car(kAllUnits, false)); },
            "ok ok ok ok ok FAIL", "never with the address it was asked for", "unusable", 1},
        Scenario{"OnlyTheTransmissionUnit",
                 [](auto&, auto&, PlayedPort& port) { port.device.SetResponder(Car({0x45})); },
                 "ok ok ok ok warn ok", "only TCU (ROM ID 4A3145) answers", "clean", 0}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace korvane::cli

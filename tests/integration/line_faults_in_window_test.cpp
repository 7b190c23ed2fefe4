// The window logic against a simulated car on a bad line: lost, damaged and stray bytes, a
// unit that stays silent or answers for the wrong address, and a unit that vanishes and
// comes back. Failures must show as failures, runs must go on, and no reading may show a
// byte the unit never sent.

#include "car_in_window.h"

#include "resources/control_ids.h"
#include "text/format_text.h"

#include "simulated_car.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace korvane::integration {
namespace {

namespace m = ids::main;

constexpr std::uint64_t kSeed = 3;

// The byte the frozen simulator holds at an engine unit address.
std::string UnitByte(std::uint16_t address) {
    static const ecusim::SimulatedCar car = [] {
        ecusim::SimulatedCar frozen(kSeed, ecusim::SimulatedCar::DefaultRomId(ecusim::UnitId::Ecu),
                                    {});
        frozen.SetFrozen(true);
        return frozen;
    }();
    return FormatText("%02X", static_cast<unsigned>(car.Read(ecusim::UnitId::Ecu, address, 0)));
}

struct PassView {
    int bytesRead = 0;
    int count = 0;
    // Address, then the raw byte as shown ("--" when it was not read).
    std::vector<std::pair<std::uint16_t, std::string>> raws;
};

// Reads the list of a Read Parameters pass: "Bytes read: %d  Count: %d", then one line per
// parameter "%04X \t0x%02X \t= name \tvalue" ("%04X \t-- \t= name \t--" when not read).
PassView ReadPassView(const std::vector<std::string>& lines) {
    PassView view;
    if (lines.empty() || std::sscanf(lines[0].c_str(), "Bytes read: %d  Count: %d", &view.bytesRead,
                                     &view.count) != 2) {
        ADD_FAILURE() << "no Bytes read line";
        return view;
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const auto address = static_cast<std::uint16_t>(std::stoul(line.substr(0, 4), nullptr, 16));
        const std::string raw = line.substr(5, 4) == "\t-- " ? "--" : line.substr(8, 2);
        view.raws.emplace_back(address, raw);
    }
    return view;
}

// Starts a repeating Read Parameters run of the example engine unit on a car started with
// the arguments.
void StartParameterRun(CarInWindow& car, const std::vector<std::string>& faults) {
    std::vector<std::string> arguments = {"--fast", "--frozen", "--seed", std::to_string(kSeed)};
    arguments.insert(arguments.end(), faults.begin(), faults.end());
    ASSERT_TRUE(car.StartCar(arguments));
    car.CreateWindow();
    ASSERT_EQ(car.window.GetText(m::kPortStatus), "Ok");
    car.Choose(m::kRomIdCombo, "A1B2C3");
    car.window.SetChecked(m::kParamRepeat, true);
    car.Command(m::kParamRead);
}

// Checks one tick's pass: the run goes on, a complete pass shows exactly the unit's bytes,
// a failed one shows "-1" and only bytes the unit sent.
void ExpectHonestPass(CarInWindow& car, int pass, bool exact) {
    EXPECT_EQ(car.context.runState, RunState::ReadParametersRunning);
    const PassView view = ReadPassView(car.ParamList());
    EXPECT_EQ(view.count, pass);
    EXPECT_TRUE(view.bytesRead == -1 || view.bytesRead == 16) << view.bytesRead;
    ASSERT_EQ(view.raws.size(), 16U);
    for (const auto& [address, raw] : view.raws) {
        if (raw == "--") {
            EXPECT_EQ(view.bytesRead, -1) << std::hex << address;
        } else if (exact) {
            EXPECT_EQ(raw, UnitByte(address)) << std::hex << address;
        }
    }
    for (const auto& [valueBox, address] :
         {std::pair{m::kInputSwitchValue, 0x1240}, std::pair{m::kIoSwitchValue, 0x1241}}) {
        const std::string shown = car.window.GetText(valueBox);
        if (shown != "--" && exact) {
            EXPECT_EQ(shown, UnitByte(static_cast<std::uint16_t>(address)));
        }
    }
}

TEST(LineFaultsInWindow, LostDamagedAndStrayBytesShowAsFailuresNeverAsWrongValues) {
    struct Case {
        const char* fault;
        const char* level;
        // A damaged data byte still carries the right address echo, so nothing on the line
        // can tell it from the real one: such runs are checked for going on, not for values.
        bool exact;
    };
    for (const Case& c : std::vector<Case>{{"--drop", "0.01", true},
                                           {"--drop", "0.1", true},
                                           {"--drop", "0.5", true},
                                           {"--stray", "0.01", true},
                                           {"--stray", "0.1", true},
                                           {"--stray", "0.5", true},
                                           {"--garble", "0.01", false},
                                           {"--garble", "0.1", false},
                                           {"--garble", "0.5", false}}) {
        SCOPED_TRACE(std::string(c.fault) + " " + c.level);
        CarInWindow car;
        StartParameterRun(car, {c.fault, c.level});
        for (int pass = 0; pass < 3; ++pass) {
            car.Tick();
            ExpectHonestPass(car, pass, c.exact);
        }
    }
}

TEST(LineFaultsInWindow, UnitAnsweringForAnotherAddressFailsEveryPassShowingNoValue) {
    CarInWindow car;
    StartParameterRun(car, {"--no-echo"});
    car.Tick();
    const PassView view = ReadPassView(car.ParamList());
    EXPECT_EQ(view.bytesRead, -1);
    for (const auto& [address, raw] : view.raws) {
        EXPECT_EQ(raw, "--") << std::hex << address;
    }
    EXPECT_EQ(car.window.GetText(m::kInputSwitchValue), "--");
    EXPECT_EQ(car.window.GetText(m::kIoSwitchValue), "--");
    EXPECT_EQ(car.context.runState, RunState::ReadParametersRunning);
}

TEST(LineFaultsInWindow, SilentUnitFailsTheReadMemoryPassAndTheRunGoesOn) {
    CarInWindow car;
    ASSERT_TRUE(car.StartCar({"--silent"}));
    car.CreateWindow();
    car.window.SetText(m::kMemAddressEdit, "0400");
    car.window.SetText(m::kMemCountEdit, "1");
    car.window.SetChecked(m::kMemRepeat, true);
    car.Command(m::kMemRead);
    car.Tick();
    ASSERT_EQ(car.MemList().size(), 2U);
    EXPECT_EQ(car.MemList()[0], "Bytes read: -1  Count: 0");
    EXPECT_EQ(car.MemList()[1], "0400\t--");
    EXPECT_EQ(car.context.runState, RunState::ReadMemoryRunning);
}

TEST(LineFaultsInWindow, UnitThatVanishesFailsUntilItsPortIsChosenOrScannedAgain) {
    CarInWindow car;
    StartParameterRun(car, {});
    car.Tick();
    ASSERT_EQ(ReadPassView(car.ParamList()).bytesRead, 16);

    car.KillCar();
    car.Tick();
    ExpectHonestPass(car, 1, true);
    EXPECT_EQ(ReadPassView(car.ParamList()).bytesRead, -1);

    // Back on another pty behind the same name: the port still holds the old one.
    ASSERT_TRUE(car.StartCar({"--fast", "--frozen", "--seed", std::to_string(kSeed)}));
    car.Tick();
    EXPECT_EQ(ReadPassView(car.ParamList()).bytesRead, -1);
    // Choosing the port again reopens it, and the run that went on recovers.
    car.Choose(m::kPortCombo, "COM1");
    EXPECT_EQ(car.window.GetText(m::kPortStatus), "Ok");
    car.Tick();
    ExpectHonestPass(car, 3, true);
    EXPECT_EQ(ReadPassView(car.ParamList()).bytesRead, 16);

    // Once more, recovered by a new scan, which ends the run; a new run reads again.
    car.KillCar();
    ASSERT_TRUE(car.StartCar({"--fast", "--frozen", "--seed", std::to_string(kSeed)}));
    car.Command(m::kScanPorts);
    EXPECT_EQ(car.context.runState, RunState::Idle);
    EXPECT_EQ(car.window.GetText(m::kPortStatus), "Ok");
    car.Command(m::kParamRead);
    car.Tick();
    EXPECT_EQ(ReadPassView(car.ParamList()).bytesRead, 16);
}

} // namespace
} // namespace korvane::integration

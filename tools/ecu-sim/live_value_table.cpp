// The addresses at which the simulated units show moving values. Keep the engine unit's
// rows in step with examples/SelectMonitor.ini (addresses) and examples/paramdef.ini
// (formulas); the raw ranges below are chosen so that those formulas give plausible values.
// See live_values.h for what low, high and periodMs mean for each shape.

#include "live_values.h"

#include <array>

namespace korvane::ecusim {

namespace {

constexpr std::array<LiveValue, 8> kLiveValues = {{
    // Raw battery byte; volts = raw * 8 / 100, so 170..174 is 13.6..13.9 V.
    {UnitId::Ecu, 0x1234, "BatteryVolts", LiveShape::Ripple, 170, 174, 900},
    // Raw coolant byte; degrees = raw - 50: a cold start at 20 degrees warming to 88.
    {UnitId::Ecu, 0x1235, "CoolantTemp", LiveShape::WarmUp, 70, 138, 90000},
    // Raw engine speed byte; rpm = raw * 25: idle at 800, revs to 4500 every 30 s.
    {UnitId::Ecu, 0x1238, "EngineSpeed", LiveShape::Revs, 32, 180, 30000},
    // Switch bytes shown bit by bit.
    {UnitId::Ecu, 0x1240, "InputSwitches", LiveShape::Bits, 0x81, 0x36, 1500},
    {UnitId::Ecu, 0x1241, "IOSwitches", LiveShape::Bits, 0x04, 0xC3, 2500},
    // Ignition advance in degrees, more with engine speed.
    {UnitId::Ecu, 0x1250, "SparkAdvance", LiveShape::FollowRevs, 12, 38, 0},
    // The experimental units get one moving value each where it is easy to find.
    {UnitId::Tcu, 0x1500, "FluidTemp", LiveShape::WarmUp, 70, 130, 120000},
    {UnitId::Aircon, 0x20, "CabinTemp", LiveShape::Ripple, 40, 46, 20000},
}};

} // namespace

std::span<const LiveValue> LiveValueTable() {
    return kLiveValues;
}

} // namespace korvane::ecusim

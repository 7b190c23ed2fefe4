// The addresses at which the simulated units show moving values. Keep the engine unit's
// rows in step with examples/SelectMonitor.ini (addresses) and examples/paramdef.ini
// (formulas); the raw ranges below are chosen so that those formulas give plausible values.
// See live_values.h for what low, high and periodMs mean for each shape.

#include "live_values.h"

#include <array>

namespace korvane::ecusim {

namespace {

constexpr std::array<LiveValue, 19> kLiveValues = {{
    // Raw battery byte; volts = raw * 8 / 100, so 170..174 is 13.6..13.9 V.
    {UnitId::Ecu, 0x1234, "BatteryVolts", LiveShape::Ripple, 170, 174, 900},
    // Raw coolant byte; degrees = raw - 40: a cold start at 20 degrees warming to 88.
    {UnitId::Ecu, 0x1235, "CoolantTemp", LiveShape::WarmUp, 60, 128, 90000},
    // Intake air; degrees = raw - 40: 22..26 degrees.
    {UnitId::Ecu, 0x1236, "IntakeTemp", LiveShape::Ripple, 62, 66, 20000},
    // Vehicle speed in km/h: the car is driven while the engine revs.
    {UnitId::Ecu, 0x1237, "VehicleSpeed", LiveShape::FollowRevs, 0, 90, 0},
    // Engine speed high byte; rpm = (high * 256 + low) / 4, so 12 is idle near 800 rpm
    // and 70 revs to about 4500 rpm every 30 s.
    {UnitId::Ecu, 0x1238, "EngineSpeed", LiveShape::Revs, 12, 70, 30000},
    // Engine speed low byte: the fine part of the count moves all the time.
    {UnitId::Ecu, 0x1239, "EngineSpeedLow", LiveShape::Ripple, 0, 255, 700},
    // Throttle, injector pulse, timing and air flow follow the engine speed.
    {UnitId::Ecu, 0x123A, "ThrottleAngle", LiveShape::FollowRevs, 26, 200, 0},
    {UnitId::Ecu, 0x123B, "InjectorPulse", LiveShape::FollowRevs, 10, 40, 0},
    {UnitId::Ecu, 0x123C, "IgnitionTiming", LiveShape::FollowRevs, 30, 58, 0},
    {UnitId::Ecu, 0x123D, "IdleValve", LiveShape::Ripple, 70, 80, 4000},
    // A switching oxygen sensor: 0.1..0.9 V at volts = raw * 5 / 256.
    {UnitId::Ecu, 0x123E, "O2Sensor", LiveShape::Ripple, 5, 46, 1200},
    {UnitId::Ecu, 0x123F, "AirFlow", LiveShape::FollowRevs, 60, 200, 0},
    // Switch bytes shown bit by bit.
    {UnitId::Ecu, 0x1240, "InputSwitches", LiveShape::Bits, 0x81, 0x36, 1500},
    {UnitId::Ecu, 0x1241, "IOSwitches", LiveShape::Bits, 0x04, 0xC3, 2500},
    // An occasional knock, and a fuel trim hovering around 128 (no correction).
    {UnitId::Ecu, 0x1242, "KnockCount", LiveShape::Ripple, 0, 2, 10000},
    {UnitId::Ecu, 0x1243, "FuelTrim", LiveShape::Ripple, 124, 132, 6000},
    // Ignition advance in degrees for the later revision's layout, more with engine speed.
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

#include "live_values.h"

#include "sim_random.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvane::ecusim {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr std::int64_t kNoiseStepMs = 100;

// Where in its cycles the car is at time 0, shared by all values so that engine speed and
// the values that follow it agree.
double PhaseMs(std::uint64_t seed) {
    return static_cast<double>(Mix(seed, 0x5EED) % 10000);
}

// -1, 0 or +1, fixed for each 100 ms.
int Noise(std::uint64_t seed, std::uint16_t address, std::int64_t milliseconds) {
    const std::uint64_t slot = static_cast<std::uint64_t>(milliseconds / kNoiseStepMs);
    return static_cast<int>(Mix(Mix(seed, address), slot) % 3) - 1;
}

// 0 at idle, 1 at full revs.
double RevFraction(std::uint64_t seed, std::int64_t milliseconds) {
    constexpr double kCycleMs = 30000.0;
    const double t = std::fmod(static_cast<double>(milliseconds) + PhaseMs(seed), kCycleMs);
    const auto bump = [t](double startMs, double lengthMs, double height) {
        if (t < startMs || t >= startMs + lengthMs) {
            return 0.0;
        }
        const double s = std::sin(std::numbers::pi * (t - startMs) / lengthMs);
        return height * s * s;
    };
    return bump(12000.0, 6000.0, 1.0) + bump(22000.0, 2000.0, 0.5);
}

double Revs(const LiveValue& value, std::uint64_t seed, std::int64_t milliseconds) {
    const double hunting = 1.2 * std::sin(kTwoPi * static_cast<double>(milliseconds) / 1700.0);
    return value.low + hunting + (value.high - value.low) * RevFraction(seed, milliseconds);
}

double WarmUp(const LiveValue& value, std::uint64_t seed, std::int64_t milliseconds) {
    const double t = static_cast<double>(milliseconds);
    const double start = value.low + static_cast<double>(Mix(seed, value.address) % 7) - 3.0;
    const double warmth = 1.0 - std::exp(-t / value.periodMs);
    const double thermostat = warmth > 0.95 ? std::sin(kTwoPi * t / 40000.0) : 0.0;
    return start + (value.high - start) * warmth + thermostat;
}

double Ripple(const LiveValue& value, std::uint64_t seed, std::int64_t milliseconds) {
    const double t = static_cast<double>(milliseconds) + PhaseMs(seed);
    const double middle = (value.low + value.high) / 2.0;
    const double swing = (value.high - value.low) / 2.0;
    return middle + swing * std::sin(kTwoPi * t / value.periodMs) +
           Noise(seed, value.address, milliseconds);
}

int Bits(const LiveValue& value, std::uint64_t seed, std::int64_t milliseconds) {
    int bits = value.low;
    for (int bit = 0; bit < 8; ++bit) {
        if ((value.high & (1 << bit)) == 0) {
            continue;
        }
        const double period = static_cast<double>(value.periodMs) * (bit + 1);
        const double offset = static_cast<double>(Mix(seed, value.address + bit) % 10000);
        const auto half = static_cast<std::int64_t>(
            std::floor((static_cast<double>(milliseconds) + offset) / (period / 2.0)));
        if (half % 2 != 0) {
            bits ^= 1 << bit;
        }
    }
    return bits;
}

} // namespace

const LiveValue* FindLiveValue(UnitId unit, std::uint16_t address) {
    for (const LiveValue& value : LiveValueTable()) {
        if (value.unit == unit && value.address == address) {
            return &value;
        }
    }
    return nullptr;
}

std::uint8_t LiveValueAt(const LiveValue& value, std::uint64_t seed, std::int64_t milliseconds) {
    double raw = 0.0;
    switch (value.shape) {
    case LiveShape::Revs:
        raw = Revs(value, seed, milliseconds);
        break;
    case LiveShape::FollowRevs:
        raw = value.low + (value.high - value.low) * RevFraction(seed, milliseconds);
        break;
    case LiveShape::WarmUp:
        raw = WarmUp(value, seed, milliseconds);
        break;
    case LiveShape::Ripple:
        raw = Ripple(value, seed, milliseconds);
        break;
    case LiveShape::Bits:
        return static_cast<std::uint8_t>(Bits(value, seed, milliseconds) & 0xFF);
    }
    return static_cast<std::uint8_t>(std::clamp(std::lround(raw), 0L, 255L));
}

} // namespace korvane::ecusim

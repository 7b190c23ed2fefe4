#pragma once

#include <cstdint>

namespace korvane::ecusim {

// A well-mixed 64-bit hash, so that values derived from the seed are reproducible.
inline std::uint64_t Mix(std::uint64_t value) {
    value += 0x9E3779B97F4A7C15ULL;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

inline std::uint64_t Mix(std::uint64_t a, std::uint64_t b) {
    return Mix(Mix(a) ^ b);
}

// A small seeded generator for the fault injector and the generated images.
class SimRandom {
public:
    explicit SimRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        return Mix(state_);
    }
    std::uint8_t NextByte() { return static_cast<std::uint8_t>(Next() >> 56); }
    // Uniform in [0, 1).
    double NextUnit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    bool Chance(double probability) { return probability > 0.0 && NextUnit() < probability; }

private:
    std::uint64_t state_;
};

} // namespace korvane::ecusim

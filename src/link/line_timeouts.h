#pragma once

namespace korvane {

// The line's time-outs in milliseconds. A read of n bytes ends when n bytes came, when more
// than the interval passed between two received bytes, or when constant + multiplier * n
// passed in all; a write of n bytes is bounded by constant + multiplier * n.
inline constexpr int kReadIntervalTimeoutMs = 100;
inline constexpr int kReadTotalTimeoutMultiplierMs = 10;
inline constexpr int kReadTotalTimeoutConstantMs = 500;
inline constexpr int kWriteTotalTimeoutMultiplierMs = 10;
inline constexpr int kWriteTotalTimeoutConstantMs = 500;

} // namespace korvane

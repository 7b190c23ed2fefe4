#pragma once

#include "doctor/doctor_findings.h"
#include "doctor/doctor_step.h"
#include "doctor/traced_line.h"

#include <functional>
#include <string>

namespace korvane {

// Reads of one address that judge the line.
inline constexpr int kQualityReads = 32;

// The line's quality as the user reads it.
struct LineVerdict {
    std::string text; // "clean", "marginal: loose connector or long cable", "unusable"
    bool clean = false;
};

// Reads address 0000 of the first unit that gave a ROM ID (the engine unit when it did)
// 32 times, one transaction each, and counts what the transactions saw; gives up after two
// addresses failed. The time per address is set against the line's own limit.
DoctorStep CheckLineQuality(TracedLine& line, const DoctorFindings& found,
                            const std::function<bool()>& stop, LineVerdict& verdict);

} // namespace korvane

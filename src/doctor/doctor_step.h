#pragma once

#include <string>
#include <vector>

namespace korvane {

// How a check came out: fine, fine with something to improve, failed, or not run because an
// earlier check failed (or nothing could be learnt on this system).
enum class StepMark { Ok, Warning, Failed, Skipped };

// One check of the connection, as the user reads it.
struct DoctorStep {
    std::string title; // "Port name", "Adapter", ...
    StepMark mark = StepMark::Skipped;
    std::string finding;               // one line: what was found
    std::vector<std::string> evidence; // what it was found from, one fact a line
    std::string cause;                 // when not Ok: the likely cause, in plain words
    std::string fix;                   // when not Ok: what to do about it
};

// "ok", "warn", "FAIL" or "skip", as the marks are printed.
const char* MarkText(StepMark mark);

} // namespace korvane

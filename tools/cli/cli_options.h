#pragma once

#include "link/unit_type.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane::cli {

enum class CliCommand {
    Eval,
    Defs,
    Checksum,
    Ports,
    RomId,
    Params,
    Read,
    Write,
    Dump,
    Plot,
    Doctor
};

// A variable of `eval`: a name and the byte it stands for.
struct EvalVariable {
    std::string name;
    std::uint8_t byte = 0;
};

struct EvalOptions {
    std::string formula;
    std::vector<EvalVariable> variables;
    std::optional<std::string> format;
};

struct ParamsOptions {
    std::optional<std::string> romId;
    int passes = 1;
    bool follow = false;
    std::optional<std::string> logFile;
};

struct ReadOptions {
    std::uint16_t address = 0;
    int count = 16;
    bool blocks = false;
    int passes = 1;
    std::optional<std::string> logFile;
};

struct WriteOptions {
    std::uint16_t address = 0;
    std::uint8_t data = 0;
};

struct DumpOptions {
    std::string file;
    // The dialog's defaults.
    std::uint32_t start = 0x8000;
    std::uint32_t count = 0x8000;
    std::uint32_t prefill = 0x8000;
    int intervalMs = 1000;
    bool overwrite = false;
};

struct PlotOptions {
    std::string log;
    std::string out;
    std::vector<std::string> params; // empty: the log's first columns
    int width = 1200;
    int height = 800;
};

struct DoctorOptions {
    std::optional<std::string> reportFile;
};

// Everything the command line asked for.
struct CliOptions {
    // Where paramdef.ini and SelectMonitor.ini are; empty for the working directory.
    std::string dir;
    // A port table name or a device path; empty for the one the definitions prefer.
    std::string port;
    UnitType unit = UnitType::Ecu;
    // Open the port at whatever rate the driver makes instead of refusing one more than 2%
    // off 1953 baud; a warning on standard error names the rate.
    bool anyRate = false;

    CliCommand command = CliCommand::Eval;
    EvalOptions eval;
    // defs: check the definition files instead of printing what loading them shows.
    bool defsCheck = false;
    std::string checksumFile;
    ParamsOptions params;
    ReadOptions read;
    WriteOptions write;
    DumpOptions dump;
    PlotOptions plot;
    DoctorOptions doctor;
};

// Exit codes of the program.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1; // a unit, port or file failure
inline constexpr int kExitUsage = 2;

// Reads the arguments. False when the program should end at once with `exitCode`: after
// --help (0) or a usage error (2, the message printed on standard error).
bool ParseCliOptions(int argc, const char* const* argv, CliOptions& options, int& exitCode);

// A byte written in decimal or as 0x hex, 0..255.
std::optional<std::uint8_t> ParseByteText(const std::string& text);
// A hexadecimal number with or without a leading 0x, at most `maximum`.
std::optional<std::uint32_t> ParseHexText(const std::string& text, std::uint32_t maximum);

} // namespace korvane::cli

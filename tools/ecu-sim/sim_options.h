#pragma once

#include "fault_injector.h"
#include "rom_image.h"

#include <cstdint>
#include <string>

namespace korvane::ecusim {

struct SimOptions {
    int comNumber = 0; // 0: no COM link
    std::string linkPath;
    RomIdBytes romId{0xA1, 0xB2, 0xC3};
    std::string romFile;
    std::uint64_t seed = 1;
    bool frozen = false;
    bool fast = false;
    bool anyLine = false;
    FaultSettings faults;
    std::string traceFile;
};

// Parses the command line. Returns true to run; false to exit with exitCode (after --help,
// which exits 0, or after a usage error, reported on stderr).
bool ParseSimOptions(int argc, char** argv, SimOptions& options, int& exitCode);

} // namespace korvane::ecusim

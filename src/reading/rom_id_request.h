#pragma once

#include "link/unit_link.h"

#include <string>

namespace korvane {

class DefinitionStore;

// What a ROM ID request came to.
struct RomIdOutcome {
    enum class Kind {
        NoPort,   // no port is open: nothing was sent
        NoAnswer, // the unit gave no ROM ID; the selection stays
        Read,     // the ROM ID was read and handed to the selection
    };
    Kind kind = Kind::NoPort;
    // The six hexadecimal digits of the ROM ID when read.
    std::string romId;
};

// Asks the unit for its ROM ID and, when it answers, selects the matching ROM-ID group.
RomIdOutcome RequestRomIdAndSelect(const UnitLink& link, bool portOpen,
                                   DefinitionStore& definitions);

} // namespace korvane

#pragma once

#include "link/command_frames.h"
#include "link/unit_link.h"

#include <string>

namespace korvane {

// Asks the unit for its three-byte ROM ID. True when a whole reply with a non-zero first
// byte arrived; romId then holds it. On false romId holds whatever the last attempts left
// in the reply buffer (all zero when nothing came). Starts and ends with the stop sequence.
// An observation on the link counts the reads that brought nothing or a short reply.
bool RequestRomId(const UnitLink& link, UnitReply& romId);

// A ROM ID as it is shown and matched: six upper-case hex digits.
std::string RomIdText(const UnitReply& romId);

} // namespace korvane

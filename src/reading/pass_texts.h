#pragma once

#include "reading/parameter_pass.h"
#include "reading/read_memory_blocks.h"
#include "reading/read_memory_bytes.h"
#include "reading/rom_id_request.h"
#include "reading/write_memory.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

// The texts a reading shows, built from what the pass returned. The window's lists and
// boxes and korvane-cli's output both come from these, so the two always agree.

// "Bytes read: %d  Count: %d": the head line of every pass's list.
std::string BytesReadLine(int bytesRead, int passNumber);

// The Read Parameters list: the head line, then one line per parameter with its address,
// raw byte, name and value ("--" for what the pass did not read). Empty when the pass
// read nothing.
std::vector<std::string> ParameterPassLines(const ParameterPassResult& pass);
std::string ParameterLine(const ParameterReading& parameter);
// The pieces of a parameter's line: address, raw byte ("0x3F", "--" when not read), name
// and value; the line joins them as "0012 \t0x3F \t= name \tvalue".
std::array<std::string, 4> ParameterCells(const ParameterReading& parameter);

// A switch byte as two hexadecimal digits, and one of its bits as "1" or "0"; "--" for a
// byte that was not read.
std::string SwitchByteText(const std::optional<std::uint8_t>& byte);
std::string SwitchBitText(const std::optional<std::uint8_t>& byte, int bit);

// The Read Memory list of a Bytes pass: the head line, then per address its bytes from the
// oldest reading on the left to the newest on the right.
std::vector<std::string> BytesPassLines(const BytesPassResult& pass);

// The Read Memory list of a Blocks pass: the head line, the column header and the dump.
std::vector<std::string> BlocksPassLines(const BlocksPassResult& pass);
// One dump line: the block's address, ">" for the block just read, its sixteen cells.
std::string BlockLine(const BlocksPassResult& pass, int block);

// What edit 3007 shows after a ROM ID request: the six digits, "no comms" or "error".
std::string RomIdOutcomeText(const RomIdOutcome& outcome);

// The Write Memory result as "0x%02x".
std::string WriteResultText(const WriteOutcome& outcome);

} // namespace korvane

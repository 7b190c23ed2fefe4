#pragma once

#include "link/unit_link.h"
#include "romtools/dump_file.h"
#include "romtools/dump_state.h"
#include "romtools/dump_texts.h"
#include "romtools/rom_checksum.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <system_error>

namespace korvane {

// A millisecond tick count that wraps around, like a system uptime counter.
using TickClock = std::function<std::uint32_t()>;
std::uint32_t SteadyMillisecondTicks();

// Largest piece read from the unit per step.
inline constexpr std::uint32_t kDumpChunkLength = 16;
// Largest run of zero bytes written ahead of the bytes read.
inline constexpr std::uint32_t kMaxPrefill = 0x10000;

// Copies a stretch of a unit's memory into a file, one chunk per step; the caller sets
// the pace (the dump dialog steps once a second). The file holds the pre-fill of zero
// bytes and then the bytes read in address order. A failed read is retried at the next
// step without limit; a failed write ends the dump, keeping what was written.
class RomDumper {
public:
    RomDumper(DumpState& state, TickClock ticks);
    // Closes a file still open, keeping the part written.
    ~RomDumper();
    RomDumper(const RomDumper&) = delete;
    RomDumper& operator=(const RomDumper&) = delete;

    // Sets what the next dump copies and rewinds its counters. A pre-fill above 0x10000
    // is cut to 0x10000. Has no effect while a dump runs.
    void Configure(std::uint32_t startAddress, std::uint32_t byteCount, std::uint32_t prefillCount);

    enum class BeginResult {
        Started,
        CannotCreate,  // the file could not be created
        PrefillFailed, // the pre-fill could not be written; the file is closed
        AlreadyRunning,
    };
    // Creates the file (replacing one of that name) and writes the pre-fill; reading
    // starts at the next step.
    BeginResult Begin(const std::string& fileName);

    enum class StepResult {
        NotRunning,
        ChunkRead,   // a chunk was read and written
        ReadFailed,  // nothing advanced; the same chunk is tried at the next step
        Completed,   // the last chunk is in; the file is closed and checked
        WriteFailed, // the dump ended; the file is closed with what was written before
    };
    // Reads and writes one chunk of at most 16 bytes.
    StepResult Step(const UnitLink& link);

    // Ends a running dump now, keeping the part written. False when the file could not
    // be closed cleanly.
    bool Stop();

    bool Running() const { return state_.running; }
    const DumpState& State() const { return state_; }
    const std::string& FileName() const { return fileName_; }
    // The time figures as of the last step.
    const DumpTimes& Times() const { return times_; }
    // After completion: the finished file's checksums, none when it is neither 32 nor
    // 64 KiB long.
    const std::optional<RomChecksums>& FinalChecksums() const { return checksums_; }
    // Why the file could not be created or written.
    std::error_code FileError() const { return error_; }

private:
    // Ends the dump after a failed write, keeping the write's error.
    StepResult Fail();

    DumpState& state_;
    TickClock ticks_;
    DumpFile file_;
    std::string fileName_;
    DumpTimes times_;
    std::optional<RomChecksums> checksums_;
    std::error_code error_;
};

} // namespace korvane

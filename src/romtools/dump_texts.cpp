#include "romtools/dump_texts.h"

#include "text/format_text.h"

namespace korvane {

DumpTimes ComputeDumpTimes(std::uint32_t byteCount, std::uint32_t bytesDone,
                           std::uint32_t elapsedMs) {
    DumpTimes times;
    times.elapsedSec = elapsedMs / 1000;
    if (bytesDone > 0) {
        // At most 2^32 * 2^32 / 1000: well inside a long long.
        times.estimateSec =
            static_cast<long long>(static_cast<double>(byteCount) / bytesDone * elapsedMs * 0.001);
    }
    if (times.elapsedSec < times.estimateSec) {
        times.remainingSec = times.estimateSec - times.elapsedSec;
    }
    return times;
}

std::string DumpStartedText(const TimeOfDay& utc) {
    return FormatText("Started at: %02d:%02d...", utc.hour, utc.minute);
}

std::string DumpSummaryText(const DumpState& state) {
    return FormatText("Prefill bytes:  \t0x%4.4X\nStart address:  \t0x%4.4X\n"
                      "No. of bytes:   \t0x%4.4X\n",
                      static_cast<unsigned>(state.prefillCount),
                      static_cast<unsigned>(state.startAddress),
                      static_cast<unsigned>(state.byteCount));
}

std::string DumpTimesText(const DumpTimes& times) {
    return FormatText("Estimated time: \t%02lldmin %02lldsec\nElapsed time:   \t%02lldmin "
                      "%02lldsec\nRemaining time: \t%02lldmin %02lldsec",
                      times.estimateSec / 60, times.estimateSec % 60, times.elapsedSec / 60,
                      times.elapsedSec % 60, times.remainingSec / 60, times.remainingSec % 60);
}

std::string DumpCurrentAddressText(const DumpState& state) {
    return FormatText("Current address:\t0x%4.4X\n",
                      static_cast<unsigned>(state.currentAddress - 1));
}

std::string DumpChecksumText(const std::optional<RomChecksums>& checksums) {
    if (!checksums) {
        return "Checksum not done (not a 32k dump)";
    }
    return FormatText("Checksum %s: Rom= %4.4X  Calc= %4.4X", checksums->Agree() ? "OK" : "ERROR",
                      static_cast<unsigned>(checksums->stored),
                      static_cast<unsigned>(checksums->calculated));
}

} // namespace korvane

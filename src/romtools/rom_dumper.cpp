#include "romtools/rom_dumper.h"

#include "link/read_transaction.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <utility>
#include <vector>

namespace korvane {

std::uint32_t SteadyMillisecondTicks() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

RomDumper::RomDumper(DumpState& state, TickClock ticks) : state_(state), ticks_(std::move(ticks)) {}

RomDumper::~RomDumper() {
    (void)Stop();
}

void RomDumper::Configure(std::uint32_t startAddress, std::uint32_t byteCount,
                          std::uint32_t prefillCount) {
    if (state_.running) {
        return;
    }
    state_.startAddress = startAddress;
    state_.byteCount = byteCount;
    state_.prefillCount = std::min(prefillCount, kMaxPrefill);
    state_.currentAddress = startAddress;
    state_.bytesDone = 0;
}

RomDumper::BeginResult RomDumper::Begin(const std::string& fileName) {
    if (state_.running) {
        return BeginResult::AlreadyRunning;
    }
    fileName_ = fileName;
    checksums_.reset();
    times_ = DumpTimes{};
    error_.clear();
    if (!file_.Create(fileName)) {
        error_ = file_.LastError();
        return BeginResult::CannotCreate;
    }
    if (state_.prefillCount != 0) {
        const std::vector<std::uint8_t> zeros(state_.prefillCount, 0);
        if (!file_.Write(zeros)) {
            error_ = file_.LastError();
            (void)file_.Close();
            return BeginResult::PrefillFailed;
        }
    }
    state_.startTick.reset();
    state_.running = true;
    return BeginResult::Started;
}

RomDumper::StepResult RomDumper::Step(const UnitLink& link) {
    if (!state_.running) {
        return StepResult::NotRunning;
    }
    if (!state_.startTick) {
        state_.startTick = ticks_();
    }
    const std::uint32_t chunk = std::min(kDumpChunkLength, state_.byteCount - state_.bytesDone);
    std::array<std::uint8_t, kDumpChunkLength> buffer{};
    const int read = ReadMemoryRange(link, static_cast<std::uint16_t>(state_.currentAddress),
                                     static_cast<std::uint16_t>(chunk), buffer);

    StepResult result = StepResult::ReadFailed;
    if (read == static_cast<int>(chunk)) {
        if (chunk > 0 && !file_.Write(std::span(buffer).first(chunk))) {
            return Fail();
        }
        state_.bytesDone += chunk;
        state_.currentAddress += chunk;
        result = StepResult::ChunkRead;
    }
    times_ = ComputeDumpTimes(state_.byteCount, state_.bytesDone, ticks_() - *state_.startTick);
    if (state_.bytesDone < state_.byteCount) {
        return result;
    }

    state_.running = false;
    if (!file_.Close()) {
        error_ = file_.LastError();
        return StepResult::WriteFailed;
    }
    RomChecksums checksums;
    if (ChecksumRomFile(fileName_, &checksums.stored, &checksums.calculated, nullptr)) {
        checksums_ = checksums;
    }
    return StepResult::Completed;
}

RomDumper::StepResult RomDumper::Fail() {
    times_ = ComputeDumpTimes(state_.byteCount, state_.bytesDone, ticks_() - *state_.startTick);
    state_.running = false;
    // The write error is the one worth reporting, not what closing says after it.
    error_ = file_.LastError();
    (void)file_.Close();
    return StepResult::WriteFailed;
}

bool RomDumper::Stop() {
    state_.running = false;
    return file_.Close();
}

} // namespace korvane

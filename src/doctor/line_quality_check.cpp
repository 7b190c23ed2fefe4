#include "doctor/line_quality_check.h"

#include "doctor/line_check.h"
#include "doctor/units_check.h"
#include "link/read_transaction.h"
#include "text/format_text.h"

#include <algorithm>

namespace korvane {

namespace {

constexpr int kFailuresToGiveUp = 2;
// More reads than this that needed another try make the line unusable.
constexpr int kMostUntidyReads = kQualityReads / 4;

constexpr const char* kMarginal = "marginal: loose connector or long cable";

// From a transaction's frame to the last bytes before its closing stop frame.
double ReadTimeMs(const std::vector<TracedLine::Event>& events, std::size_t from) {
    double sentAt = -1;
    double lastReply = -1;
    for (std::size_t i = from; i < events.size(); ++i) {
        const TracedLine::Event& event = events[i];
        if (event.kind == TracedLine::Kind::Sent && sentAt < 0) {
            sentAt = event.atMs;
        } else if (event.kind == TracedLine::Kind::Received && !event.bytes.empty()) {
            lastReply = event.atMs;
        }
    }
    return sentAt >= 0 && lastReply >= sentAt ? lastReply - sentAt : 0;
}

// The first unit whose ROM ID was confirmed, else the first that gave any.
UnitType UnitToRead(const DoctorFindings& found) {
    for (const UnitAnswer& answer : found.answers) {
        if (answer.romIdReceived) {
            return answer.unit;
        }
    }
    for (const UnitAnswer& answer : found.answers) {
        if (RomIdsDisagree(answer)) {
            return answer.unit;
        }
    }
    return UnitType::Ecu;
}

} // namespace

DoctorStep CheckLineQuality(TracedLine& line, const DoctorFindings& found,
                            const std::function<bool()>& stop, LineVerdict& verdict) {
    DoctorStep step;
    step.title = "Line quality";
    const UnitType unit = UnitToRead(found);
    LineObservation seen;
    double takenMs = 0;
    int done = 0;
    while (done < kQualityReads && seen.failed < kFailuresToGiveUp && !(stop && stop())) {
        const std::size_t from = line.Events().size();
        std::uint8_t byte = 0;
        UnitLink link{line, line, unit, &seen};
        if (ReadMemoryRange(link, 0x0000, 1, std::span<std::uint8_t>(&byte, 1)) == 1) {
            takenMs += ReadTimeMs(line.Events(), from);
        }
        ++done;
    }
    const int taken = seen.clean + seen.repeated + seen.resent;
    step.evidence.push_back(FormatText("%d of %d reads of address 0000 from the %s: %d clean, "
                                       "%d repeated, %d resent, %d given up",
                                       done, kQualityReads, UnitCaptionOf(unit), seen.clean,
                                       seen.repeated, seen.resent, seen.failed));
    step.evidence.push_back(FormatText("replies not taken: %d garbled, %d naming another "
                                       "address, %d timed out",
                                       seen.garbled, seen.otherAddress, seen.timedOut));
    if (taken > 0) {
        step.evidence.push_back(FormatText("time per address: %.1f ms on average; the line "
                                           "itself needs %.1f ms",
                                           takenMs / taken, kAddressLineTimeMs));
    }
    // ROM IDs that had to be asked again count against the line however these reads went.
    const bool garbledRomIds =
        std::any_of(found.answers.begin(), found.answers.end(),
                    [](const UnitAnswer& answer) { return RomIdsDisagree(answer); });
    if (garbledRomIds) {
        step.evidence.push_back("ROM IDs came garbled and had to be asked for again");
    }
    const int untidy = seen.repeated + seen.resent + seen.failed;
    // Whole replies came, and every one named another address.
    if (taken == 0 && seen.otherAddress > 0 && seen.garbled == 0) {
        verdict = {"unusable", false};
        step.mark = StepMark::Failed;
        step.finding = "unusable: the unit answers, but never with the address it was asked for";
        step.cause = "the unit does not echo the address: it speaks a variant of the protocol "
                     "whose replies do not repeat it";
        step.fix = "Korvane cannot read this unit's memory; send this report with its ROM ID";
    } else if (seen.failed > 0 || untidy > kMostUntidyReads) {
        verdict = {"unusable", false};
        step.mark = StepMark::Failed;
        step.finding = "unusable: addresses could not be read even after resending";
        step.cause = "a bad contact or a broken wire in the cable or the connector, or "
                     "interference on a long cable";
        step.fix = "reseat the connector, try another or a shorter cable, then check again";
    } else if (untidy > 0 || garbledRomIds) {
        verdict = {kMarginal, false};
        step.mark = StepMark::Warning;
        step.finding = kMarginal;
        step.cause = "some replies came garbled or late and had to be read again";
        step.fix = "reseat the connector and keep the cable short; readings still arrive, "
                   "only slower";
    } else if (stop && stop() && done < kQualityReads) {
        verdict = {"stopped", false};
        step.mark = StepMark::Skipped;
        step.finding = "stopped before the reads were done";
    } else {
        verdict = {"clean", true};
        step.mark = StepMark::Ok;
        step.finding = "clean: every read answered at once";
    }
    return step;
}

} // namespace korvane

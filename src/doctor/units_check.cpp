#include "doctor/units_check.h"

#include "link/command_frames.h"
#include "link/rom_id_transaction.h"
#include "text/format_text.h"

#include <algorithm>

namespace korvane {

namespace {

// From the first frame after the opening stop sequence to the first bytes that came.
double FirstReplyMs(const std::vector<TracedLine::Event>& events, std::size_t from) {
    const std::vector<std::uint8_t> stop(kStopFrame.begin(), kStopFrame.end());
    double sentAt = -1;
    for (std::size_t i = from; i < events.size(); ++i) {
        const TracedLine::Event& event = events[i];
        if (sentAt < 0 && event.kind == TracedLine::Kind::Sent && event.bytes != stop) {
            sentAt = event.atMs;
        } else if (sentAt >= 0 && event.kind == TracedLine::Kind::Received &&
                   !event.bytes.empty()) {
            return event.atMs - sentAt;
        }
    }
    return -1;
}

// Enough for two agreeing answers when one of the first two came garbled, and then some.
constexpr std::size_t kRomIdRequests = 4;

constexpr const char* kGarblingCause =
    "the line garbles what the units send (a loose connector, a long or damaged cable)";
constexpr const char* kGarblingFix = "reseat the connector, try a shorter cable, then check again";

// The ROM ID one request brought, as six hex digits; empty when none came.
std::string AskRomId(TracedLine& line, UnitType unit) {
    UnitLink link{line, line, unit};
    UnitReply id{};
    if (!RequestRomId(link, id)) {
        return {};
    }
    return RomIdText(id);
}

// Asks until two answers agree. A unit that gives no ROM ID to the first request is taken
// at its word: the units a car lacks stay silent, and asking them again only costs time.
UnitAnswer AskUnit(TracedLine& line, UnitType unit) {
    const std::size_t from = line.Events().size();
    UnitAnswer answer;
    answer.unit = unit;
    std::vector<std::string>& heard = answer.romIdsHeard;
    while (!answer.romIdReceived && heard.size() < kRomIdRequests) {
        const std::string id = AskRomId(line, unit);
        answer.romIdReceived =
            !id.empty() && std::find(heard.begin(), heard.end(), id) != heard.end();
        heard.push_back(id);
        if (heard.front().empty()) {
            break;
        }
    }
    if (answer.romIdReceived) {
        answer.romId = heard.back();
    }
    answer.firstReplyMs = FirstReplyMs(line.Events(), from);
    answer.anyBytes = answer.firstReplyMs >= 0;
    return answer;
}

std::string HeardList(const UnitAnswer& answer) {
    std::string list;
    for (const std::string& id : answer.romIdsHeard) {
        list += (list.empty() ? "" : ", ") + (id.empty() ? std::string("none") : id);
    }
    return list;
}

std::string AnswerText(const UnitAnswer& answer) {
    const std::string caption = UnitCaptionOf(answer.unit);
    if (!answer.anyBytes) {
        return caption + ": silent";
    }
    const std::string time = FormatText(", first reply after %.0f ms", answer.firstReplyMs);
    if (RomIdsDisagree(answer)) {
        if (answer.romIdReceived) {
            return caption + ": ROM ID " + answer.romId + " after answers that disagree (" +
                   HeardList(answer) + ")" + time;
        }
        return caption + ": ROM IDs disagree (" + HeardList(answer) + ")" + time;
    }
    if (answer.romIdReceived) {
        return caption + ": ROM ID " + answer.romId + time;
    }
    return caption + ": replies, but no ROM ID" + time;
}

} // namespace

bool RomIdsDisagree(const UnitAnswer& answer) {
    const std::vector<std::string>& heard = answer.romIdsHeard;
    return std::any_of(heard.begin(), heard.end(),
                       [&](const std::string& id) { return id != heard.front(); });
}

const char* UnitCaptionOf(UnitType unit) {
    for (const UnitCaption& entry : kDoctorUnits) {
        if (entry.unit == unit) {
            return entry.caption;
        }
    }
    return "ECU";
}

DoctorStep CheckUnits(TracedLine& line, DoctorFindings& found, const std::function<bool()>& stop) {
    DoctorStep step;
    step.title = "Units";
    for (const UnitCaption& entry : kDoctorUnits) {
        if (stop && stop()) {
            step.mark = StepMark::Skipped;
            step.finding = "stopped before every unit was asked";
            return step;
        }
        found.answers.push_back(AskUnit(line, entry.unit));
        step.evidence.push_back(AnswerText(found.answers.back()));
    }
    std::string answering;
    std::string disagreeing;
    bool anyBytes = false;
    for (const UnitAnswer& answer : found.answers) {
        anyBytes = anyBytes || answer.anyBytes;
        if (answer.romIdReceived) {
            answering += (answering.empty() ? "" : ", ") + std::string(UnitCaptionOf(answer.unit)) +
                         " (ROM ID " + answer.romId + ")";
        }
        if (RomIdsDisagree(answer)) {
            disagreeing +=
                (disagreeing.empty() ? "" : ", ") + std::string(UnitCaptionOf(answer.unit));
        }
    }
    // Answers that do not agree tell of the line, not of the units: the quality check still runs.
    if (!disagreeing.empty()) {
        step.mark = StepMark::Warning;
        step.finding = "garbled answers: the ROM IDs from " + disagreeing + " disagree";
        if (!answering.empty()) {
            step.finding += "; answers: " + answering;
        }
        step.cause = kGarblingCause;
        step.fix = kGarblingFix;
        return step;
    }
    if (answering.empty()) {
        step.mark = StepMark::Failed;
        if (!anyBytes) {
            step.finding = "no unit answers";
            step.cause = "most likely first: the ignition is off; the cable is in the wrong "
                         "connector; the adapter is not wired for this car's line";
            step.fix = "switch the ignition on (the engine may stay off), plug into the "
                       "diagnostic connector the car's manual names, and check that the "
                       "adapter is made for this car's line";
        } else {
            step.finding = "replies come, but no unit gives a ROM ID";
            step.cause = kGarblingCause;
            step.fix = kGarblingFix;
        }
        return step;
    }
    if (!found.answers.front().romIdReceived) {
        step.mark = StepMark::Warning;
        step.finding = "only " + answering + " answers; the engine unit does not";
        step.cause = "the cable is on another unit's connector, or the engine unit is on a "
                     "line this adapter does not reach";
        step.fix = "for the engine unit, plug into its diagnostic connector; to read the "
                   "unit that answers, choose it as the unit";
        return step;
    }
    step.mark = StepMark::Ok;
    step.finding = "answers: " + answering;
    return step;
}

} // namespace korvane

#include "workbench/monitor_file_document.h"

#include "definitions/definition_store.h"
#include "definitions/definition_text.h"
#include "definitions/monitor_line.h"
#include "text/format_text.h"
#include "workbench/line_edits.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace korvane {

namespace {

constexpr std::string_view kAddressKey = "Address=";
constexpr const char* kNoLineOfItsOwn =
    "the group's header stands on one line with the next group's, longer than the 999 bytes "
    "a line may hold";
constexpr const char* kUnwritableName =
    "a name needs at least 2 bytes, may not start with \"[\", \";\", a space, \"Name=\" or "
    "\"CommPort=\", nor hold \"Address=\" or a line feed";

// How a line, standing in an open section, reads; none unless it is one piece.
std::optional<std::string> TrimmedSinglePiece(const TextLine& line) {
    std::vector<std::string> pieces = DeliveredPieces(line);
    if (pieces.size() != 1) {
        return std::nullopt;
    }
    TrimTrailingBlanks(pieces.front());
    return std::move(pieces.front());
}

} // namespace

MonitorFileDocument::MonitorFileDocument(std::string_view bytes) : lines_(SplitTextLines(bytes)) {
    Scan();
}

void MonitorFileDocument::Scan() {
    groups_.clear();
    groupEnds_.clear();
    commPort_ = DefinitionStore::kDefaultCommPort;
    for (std::size_t index = 0; index < lines_.size(); ++index) {
        std::vector<std::string> pieces = DeliveredPieces(lines_[index]);
        for (std::string& piece : pieces) {
            TrimTrailingBlanks(piece);
            const MonitorLine meaning = ClassifyMonitorLine(piece, !groups_.empty());
            if (meaning.commPort) {
                commPort_ = *meaning.commPort;
            }
            switch (meaning.kind) {
            case MonitorLine::Kind::Ignored:
            case MonitorLine::Kind::OptionHeader:
                continue;
            case MonitorLine::Kind::Header:
                groups_.push_back({index, std::string(meaning.romId), "", {}});
                groupEnds_.push_back(index + 1);
                continue;
            case MonitorLine::Kind::Name:
                groups_.back().name = meaning.text;
                break;
            case MonitorLine::Kind::Address:
                groups_.back().entries.push_back(
                    {index, std::string(meaning.parameterName), std::string(meaning.addressText),
                     ReadHex(meaning.addressText), pieces.size() == 1});
                break;
            }
            groupEnds_.back() = index + 1;
        }
    }
}

const MonitorEntry* MonitorFileDocument::Editable(std::size_t group, std::size_t entry,
                                                  std::string& reason) const {
    if (group >= groups_.size() || entry >= groups_[group].entries.size()) {
        reason = "no such entry";
        return nullptr;
    }
    const MonitorEntry& found = groups_[group].entries[entry];
    if (!found.editable) {
        reason = "the line is longer than the 999 bytes a line may hold";
        return nullptr;
    }
    return &found;
}

bool MonitorFileDocument::Replace(const MonitorEntry& entry, std::string text,
                                  std::string_view name, std::uint32_t address,
                                  std::string& reason) {
    TextLine changed{std::move(text), lines_[entry.line].ending};
    const std::optional<std::string> before = TrimmedSinglePiece(lines_[entry.line]);
    const std::optional<std::string> after = TrimmedSinglePiece(changed);
    if (!after) {
        // A line feed in the name would cut the line in two as well.
        reason = changed.text.find('\n') != std::string::npos
                     ? kUnwritableName
                     : "the line would be longer than the 999 bytes a line may hold";
        return false;
    }
    const MonitorLine meaning = ClassifyMonitorLine(*after, true);
    if (meaning.kind != MonitorLine::Kind::Address || meaning.parameterName != name ||
        ReadHex(meaning.addressText) != address ||
        meaning.commPort != ClassifyMonitorLine(before.value_or(""), true).commPort) {
        reason = kUnwritableName;
        return false;
    }
    lines_[entry.line] = std::move(changed);
    Scan();
    return true;
}

bool MonitorFileDocument::SetEntryName(std::size_t group, std::size_t entry, std::string_view name,
                                       std::string& reason) {
    const MonitorEntry* found = Editable(group, entry, reason);
    if (found == nullptr) {
        return false;
    }
    const std::string& text = lines_[found->line].text;
    return Replace(*found, std::string(name) + text.substr(text.find(kAddressKey)), name,
                   found->address, reason);
}

bool MonitorFileDocument::SetEntryAddress(std::size_t group, std::size_t entry,
                                          std::uint32_t address, std::string& reason) {
    const MonitorEntry* found = Editable(group, entry, reason);
    if (found == nullptr) {
        return false;
    }
    // Only the digits change: a "0x" and whatever follows the number stay.
    const std::string& text = lines_[found->line].text;
    std::size_t digits = text.find(kAddressKey) + kAddressKey.size();
    while (digits < text.size() && (text[digits] == ' ' || text[digits] == '\t')) {
        ++digits;
    }
    if (text.compare(digits, 2, "0x") == 0 || text.compare(digits, 2, "0X") == 0) {
        digits += 2;
    }
    std::size_t end = digits;
    while (end < text.size() && std::isxdigit(static_cast<unsigned char>(text[end])) != 0) {
        ++end;
    }
    return Replace(*found,
                   text.substr(0, digits) + FormatText("%04X", static_cast<unsigned>(address)) +
                       text.substr(end),
                   found->name, address, reason);
}

bool MonitorFileDocument::AddEntry(std::size_t group, std::size_t before, std::string_view name,
                                   std::uint32_t address, std::string& reason) {
    if (group >= groups_.size() || before > groups_[group].entries.size()) {
        reason = "no such entry";
        return false;
    }
    const std::string text =
        std::string(name) + "Address=0x" + FormatText("%04X", static_cast<unsigned>(address));
    const std::string piece = TrimmedSinglePiece({text, "\n"}).value_or("");
    const MonitorLine meaning = ClassifyMonitorLine(piece, true);
    if (meaning.kind != MonitorLine::Kind::Address || meaning.parameterName != name ||
        meaning.commPort) {
        reason = kUnwritableName;
        return false;
    }
    const std::vector<MonitorEntry>& entries = groups_[group].entries;
    const std::optional<std::size_t> at =
        LineInGroup(group, before == entries.size() ? groupEnds_[group] : entries[before].line);
    if (!at) {
        reason = kNoLineOfItsOwn;
        return false;
    }
    InsertLine(lines_, *at, text);
    Scan();
    return true;
}

bool MonitorFileDocument::RemoveEntry(std::size_t group, std::size_t entry, std::string& reason) {
    const MonitorEntry* found = Editable(group, entry, reason);
    if (found == nullptr) {
        return false;
    }
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(found->line));
    Scan();
    return true;
}

bool MonitorFileDocument::MoveEntry(std::size_t group, std::size_t entry, std::size_t to,
                                    std::string& reason) {
    const MonitorEntry* found = Editable(group, entry, reason);
    if (found == nullptr) {
        return false;
    }
    const std::vector<MonitorEntry>& entries = groups_[group].entries;
    if (to >= entries.size()) {
        reason = "no such entry";
        return false;
    }
    if (to != entry) {
        // Up: just before the entry it passes last; down: just after it. An editable entry
        // has a line of its own in the group, so there is room.
        const std::optional<std::size_t> at =
            LineInGroup(group, to < entry ? entries[to].line : entries[to].line + 1);
        MoveLine(lines_, found->line, at.value_or(found->line));
        Scan();
    }
    return true;
}

std::optional<std::size_t> MonitorFileDocument::LineInGroup(std::size_t group,
                                                            std::size_t line) const {
    const std::size_t first = groups_[group].line + 1;
    const std::size_t last = group + 1 < groups_.size() ? groups_[group + 1].line : lines_.size();
    if (first > last) {
        return std::nullopt;
    }
    return std::clamp(line, first, last);
}

} // namespace korvane

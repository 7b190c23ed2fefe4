#include "workbench/parameter_file_document.h"

#include "definitions/definition_file_reader.h"
#include "definitions/definition_text.h"
#include "workbench/line_edits.h"

#include <array>
#include <optional>

namespace korvane {

namespace {

constexpr const char* kUnwritable =
    "a name, format or formula cannot hold a double quote together with a comma, space or "
    "tab, nor start with a double quote, nor hold a line feed";

std::string_view WithoutLineFeed(std::string_view text) {
    return !text.empty() && text.back() == '\n' ? text.substr(0, text.size() - 1) : text;
}

bool SameAsShown(const ParameterLineFields& read, const ParameterLineFields& wanted) {
    return read.name == wanted.name && read.format == wanted.format &&
           WithoutLineFeed(read.formula) == WithoutLineFeed(wanted.formula);
}

// The field written in double quotes, or bare; none when that way cannot hold it.
std::optional<std::string> EncodeField(std::string_view value, bool quoted) {
    if (value.find('\n') != std::string_view::npos) {
        return std::nullopt;
    }
    if (quoted) {
        if (value.find('"') != std::string_view::npos) {
            return std::nullopt;
        }
        return "\"" + std::string(value) + "\"";
    }
    if (value.empty() || value.find_first_of(kFieldSeparators) != std::string_view::npos ||
        value.front() == '"') {
        return std::nullopt;
    }
    return std::string(value);
}

// Bare unless the value could not start a line or be read back bare.
bool WantsQuotes(std::string_view value) {
    return value.empty() || value.find_first_of(kFieldSeparators) != std::string_view::npos ||
           value.front() == '"' || IsSkippedLine(value);
}

// True when the line, as the reader delivers it, is one definition line giving the fields.
bool ReadsAs(const TextLine& line, const ParameterLineFields& wanted, std::string& reason) {
    const std::vector<std::string> pieces = DeliveredPieces(line);
    ParameterLineFields read;
    if (pieces.size() == 1 && ReadParameterLine(pieces.front(), read) &&
        SameAsShown(read, wanted)) {
        return true;
    }
    reason = line.text.size() >= DefinitionFileReader::kMaxLineBytes
                 ? "the line would be longer than the 999 bytes a line may hold"
                 : kUnwritable;
    return false;
}

} // namespace

std::string_view ParameterEntry::ShownFormula() const {
    return WithoutLineFeed(fields.formula);
}

ParameterFileDocument::ParameterFileDocument(std::string_view bytes)
    : lines_(SplitTextLines(bytes)) {
    Scan();
}

void ParameterFileDocument::Scan() {
    entries_.clear();
    for (std::size_t index = 0; index < lines_.size(); ++index) {
        const std::vector<std::string> pieces = DeliveredPieces(lines_[index]);
        for (const std::string& piece : pieces) {
            ParameterEntry entry;
            if (ReadParameterLine(piece, entry.fields)) {
                entry.line = index;
                entry.editable = pieces.size() == 1;
                entries_.push_back(std::move(entry));
            }
        }
    }
}

bool ParameterFileDocument::CheckEditable(std::size_t entry, std::string& reason) const {
    if (entry >= entries_.size()) {
        reason = "no such entry";
        return false;
    }
    if (!entries_[entry].editable) {
        reason = "the line is longer than the 999 bytes a line may hold";
        return false;
    }
    return true;
}

bool ParameterFileDocument::SetName(std::size_t entry, std::string_view name, std::string& reason) {
    return SetField(entry, 0, name, reason);
}

bool ParameterFileDocument::SetFormat(std::size_t entry, std::string_view format,
                                      std::string& reason) {
    return SetField(entry, 1, format, reason);
}

bool ParameterFileDocument::SetFormula(std::size_t entry, std::string_view formula,
                                       std::string& reason) {
    return SetField(entry, 2, formula, reason);
}

bool ParameterFileDocument::SetField(std::size_t entry, std::size_t field, std::string_view value,
                                     std::string& reason) {
    if (!CheckEditable(entry, reason)) {
        return false;
    }
    const TextLine& line = lines_[entries_[entry].line];
    std::vector<FieldSpan> spans;
    SplitFieldSpans(line.text, kFieldSeparators, spans);
    // Only the field's own bytes are replaced, quotes included; a formula that is nothing
    // but the line feed has no bytes of its own and is written at the line's end.
    std::size_t from = line.text.size();
    std::size_t to = from;
    std::string lead = field < spans.size() ? "" : ",";
    bool quoted = false;
    if (field < spans.size()) {
        const FieldSpan& span = spans[field];
        quoted = span.quoted;
        from = span.quoted ? span.start - 1 : span.start;
        to = span.start + span.length;
        if (span.quoted && to < line.text.size()) {
            ++to;
        }
    }
    ParameterLineFields wanted = entries_[entry].fields;
    std::array<std::string*, 3> slots{&wanted.name, &wanted.format, &wanted.formula};
    slots[field]->assign(value);
    // The field keeps its way of writing when that can hold the value.
    std::string attempt = kUnwritable;
    for (const bool useQuotes : {quoted, !quoted}) {
        const std::optional<std::string> encoded = EncodeField(value, useQuotes);
        if (!encoded) {
            continue;
        }
        TextLine changed{line.text.substr(0, from) + lead + *encoded + line.text.substr(to),
                         line.ending};
        if (ReadsAs(changed, wanted, attempt)) {
            lines_[entries_[entry].line] = std::move(changed);
            Scan();
            return true;
        }
    }
    reason = attempt;
    return false;
}

bool ParameterFileDocument::Add(std::size_t before, std::string_view name, std::string_view format,
                                std::string_view formula, std::string& reason) {
    if (before > entries_.size()) {
        reason = "no such entry";
        return false;
    }
    std::string text;
    for (const std::string_view value : {name, format, formula}) {
        const std::optional<std::string> encoded = EncodeField(value, WantsQuotes(value));
        if (!encoded) {
            reason = kUnwritable;
            return false;
        }
        text += text.empty() ? "" : ",";
        text += *encoded;
    }
    const ParameterLineFields wanted{std::string(name), std::string(format), std::string(formula)};
    if (!ReadsAs({text, "\n"}, wanted, reason)) {
        return false;
    }
    InsertLine(lines_, before == entries_.size() ? lines_.size() : entries_[before].line,
               std::move(text));
    Scan();
    return true;
}

bool ParameterFileDocument::Remove(std::size_t entry, std::string& reason) {
    if (!CheckEditable(entry, reason)) {
        return false;
    }
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(entries_[entry].line));
    Scan();
    return true;
}

bool ParameterFileDocument::Move(std::size_t entry, std::size_t to, std::string& reason) {
    if (!CheckEditable(entry, reason)) {
        return false;
    }
    if (to >= entries_.size()) {
        reason = "no such entry";
        return false;
    }
    if (to == entry) {
        return true;
    }
    // Up: just before the entry it passes last; down: just after it.
    const std::size_t before = to < entry ? entries_[to].line : entries_[to].line + 1;
    MoveLine(lines_, entries_[entry].line, before);
    Scan();
    return true;
}

} // namespace korvane

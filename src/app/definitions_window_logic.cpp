#include "app/definitions_window_logic.h"

#include "definitions/parameter_definition.h"
#include "reading/rom_id_view.h"
#include "text/hex_number.h"
#include "workbench/definition_checks.h"
#include "workbench/file_bytes.h"
#include "workbench/file_replace.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace korvane {

namespace {

std::string PathIn(const std::string& folder, const char* name) {
    return folder.empty() ? std::string(name) : (std::filesystem::path(folder) / name).string();
}

// The file's bytes, or none when it is there but cannot be read; a missing file is empty.
std::optional<std::string> ReadDefinitionFile(const std::string& path, std::string& reason) {
    std::error_code error;
    std::string bytes;
    if (!std::filesystem::exists(path, error)) {
        return bytes;
    }
    if (!ReadFileBytes(path, bytes, reason)) {
        return std::nullopt;
    }
    return bytes;
}

int Clamp(int row, std::size_t count) {
    return std::min(row, static_cast<int>(count) - 1);
}

bool Valid(int row, std::size_t count) {
    return row >= 0 && static_cast<std::size_t>(row) < count;
}

} // namespace

DefinitionsWindowLogic::DefinitionsWindowLogic(DefinitionsView& view, DefinitionsHost& host,
                                               std::string folder)
    : view_(view), host_(host), parameterFile_{PathIn(folder, "paramdef.ini")},
      monitorFile_{PathIn(folder, "SelectMonitor.ini")} {}

void DefinitionsWindowLogic::OnCreate() {
    std::string notice;
    DefinitionTexts texts;
    const auto read = [&notice](FileState& file, std::string& bytes) {
        std::string reason;
        if (std::optional<std::string> got = ReadDefinitionFile(file.path, reason)) {
            bytes = std::move(*got);
        } else {
            file.readable = false;
            notice += reason + "; it will not be saved. ";
        }
    };
    read(parameterFile_, texts.parameters);
    read(monitorFile_, texts.monitor);
    parameters_ = ParameterFileDocument(texts.parameters);
    monitor_ = MonitorFileDocument(texts.monitor);
    history_ = EditHistory(Texts());
    saved_ = Texts();
    group_ = monitor_.Groups().empty() ? -1 : 0;
    ShowAll();
    ShowFindings();
    view_.ShowNotice(notice);
}

void DefinitionsWindowLogic::ShowAll() {
    const auto& groups = monitor_.Groups();
    group_ = groups.empty() ? -1 : std::max(0, Clamp(group_, groups.size()));
    std::vector<MonitorGroupRow> groupRows;
    for (const MonitorGroup& group : groups) {
        groupRows.push_back({group.romId, group.name});
    }
    view_.ShowGroups(groupRows, group_);

    std::vector<MonitorEntryRow> entryRows;
    if (group_ >= 0) {
        for (const MonitorEntry& entry : groups[static_cast<std::size_t>(group_)].entries) {
            entryRows.push_back({entry.name, entry.addressText});
        }
    }
    entry_ = Clamp(entry_, entryRows.size());
    view_.ShowEntries(entryRows, entry_);

    std::vector<ParameterFileRow> parameterRows;
    for (const ParameterEntry& entry : parameters_.Entries()) {
        parameterRows.push_back(
            {entry.fields.name, entry.fields.format, std::string(entry.ShownFormula())});
    }
    parameter_ = Clamp(parameter_, parameterRows.size());
    view_.ShowParameters(parameterRows, parameter_);

    ShowEditState();
    RefreshSubject();
    ShowPreview();
}

// The findings follow the texts alone, so choosing a section does not check again.
void DefinitionsWindowLogic::ShowFindings() {
    std::vector<std::string> findings;
    for (const DefinitionFinding& finding :
         CheckDefinitions({parameterFile_.path, parameters_, monitorFile_.path, monitor_})) {
        findings.push_back(FindingText(finding));
    }
    view_.ShowFindings(findings);
}

void DefinitionsWindowLogic::ShowEditState() {
    view_.ShowEditState(history_.CanUndo(), history_.CanRedo(), Texts() != saved_);
}

void DefinitionsWindowLogic::RefreshSubject() {
    subject_.reset();
    const auto& entries = parameters_.Entries();
    if (source_ == SubjectSource::Parameter && Valid(parameter_, entries.size())) {
        const ParameterEntry& entry = entries[static_cast<std::size_t>(parameter_)];
        subject_ =
            Subject{entry.fields.name, entry.fields.format, std::string(entry.ShownFormula())};
    } else if (source_ == SubjectSource::Entry && group_ >= 0 &&
               Valid(entry_, monitor_.Groups()[static_cast<std::size_t>(group_)].entries.size())) {
        const std::string& name = monitor_.Groups()[static_cast<std::size_t>(group_)]
                                      .entries[static_cast<std::size_t>(entry_)]
                                      .name;
        // The group's parameter takes the first template of its name, as loading does.
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [&name](const auto& e) { return e.fields.name == name; });
        subject_ = found == entries.end()
                       ? Subject{name, std::string(ParameterDefinition::kDefaultFormat), name}
                       : Subject{name, found->fields.format, std::string(found->ShownFormula())};
    }
}

std::optional<std::uint32_t> DefinitionsWindowLogic::SubjectAddress() const {
    if (!subject_ || group_ < 0) {
        return std::nullopt;
    }
    // The first address line of a name is the one loading keeps.
    for (const MonitorEntry& entry : monitor_.Groups()[static_cast<std::size_t>(group_)].entries) {
        if (entry.name == subject_->name) {
            return entry.address;
        }
    }
    return std::nullopt;
}

void DefinitionsWindowLogic::ShowPreview() {
    FormulaPreviewView shown;
    if (subject_) {
        const Subject& subject = *subject_;
        shown.subject = subject.name + ": " + subject.format + ", " + subject.formula;
        const std::map<std::string, std::uint8_t> bytes = host_.LastPassBytes();
        FormulaPreview preview(subject.name, subject.format, subject.formula, bytes);
        const auto own = bytes.find(subject.name);
        shown.lastPass = own == bytes.end() ? "not read in the last Read Parameters pass"
                                            : PreviewLine(preview.At(own->second));
        shown.typed = preview.At(previewByte_);
        shown.sweep = preview.Sweep();
        const std::optional<std::uint32_t> address = SubjectAddress();
        if (address) {
            shown.readAddress = ParameterAddressText(*address);
        }
        if (readNow_ && readNow_->name == subject.name) {
            if (readNow_->underWay) {
                shown.readNow = "reading...";
            } else if (readNow_->byte) {
                shown.readNow = PreviewLine(preview.At(*readNow_->byte));
            } else {
                shown.readNow = "no reply from the unit";
            }
        }
    }
    view_.ShowPreview(shown);
}

void DefinitionsWindowLogic::Edited(bool done, const std::string& reason) {
    if (!done) {
        view_.ShowNotice(reason);
        return;
    }
    history_.Record(Texts());
    view_.ShowNotice("");
    ShowAll();
    ShowFindings();
}

void DefinitionsWindowLogic::Restore(const DefinitionTexts& texts) {
    parameters_ = ParameterFileDocument(texts.parameters);
    monitor_ = MonitorFileDocument(texts.monitor);
    ShowAll();
    ShowFindings();
}

void DefinitionsWindowLogic::ChooseGroup(int row) {
    if (row == group_ || !Valid(row, monitor_.Groups().size())) {
        return;
    }
    group_ = row;
    entry_ = -1;
    if (source_ == SubjectSource::Entry) {
        source_ = SubjectSource::None;
    }
    ShowAll();
}

void DefinitionsWindowLogic::ChooseEntry(int row) {
    entry_ = row;
    source_ = SubjectSource::Entry;
    RefreshSubject();
    ShowPreview();
}

void DefinitionsWindowLogic::ChooseParameter(int row) {
    parameter_ = row;
    source_ = SubjectSource::Parameter;
    RefreshSubject();
    ShowPreview();
}

void DefinitionsWindowLogic::EditEntry(int row, EntryColumn column, const std::string& text) {
    std::string reason;
    if (column == EntryColumn::Name) {
        Edited(monitor_.SetEntryName(static_cast<std::size_t>(group_),
                                     static_cast<std::size_t>(row), text, reason),
               reason);
        return;
    }
    const std::optional<std::uint32_t> address = ParseHexAddress(text);
    if (!address) {
        view_.ShowNotice("not a hexadecimal address: " + text);
        return;
    }
    Edited(monitor_.SetEntryAddress(static_cast<std::size_t>(group_), static_cast<std::size_t>(row),
                                    *address, reason),
           reason);
}

void DefinitionsWindowLogic::EditParameter(int row, ParameterColumn column,
                                           const std::string& text) {
    const auto entry = static_cast<std::size_t>(row);
    std::string reason;
    bool done = false;
    switch (column) {
    case ParameterColumn::Name:
        done = parameters_.SetName(entry, text, reason);
        break;
    case ParameterColumn::Format:
        done = parameters_.SetFormat(entry, text, reason);
        break;
    case ParameterColumn::Formula:
        done = parameters_.SetFormula(entry, text, reason);
        break;
    }
    if (done && Texts() == history_.Current()) {
        return; // confirmed as it was
    }
    Edited(done, reason);
}

void DefinitionsWindowLogic::TypeInParameter(int row, ParameterColumn column,
                                             const std::string& text) {
    if (row != parameter_ || source_ != SubjectSource::Parameter) {
        ChooseParameter(row);
    }
    if (!subject_) {
        return;
    }
    std::string& field = column == ParameterColumn::Name     ? subject_->name
                         : column == ParameterColumn::Format ? subject_->format
                                                             : subject_->formula;
    field = text;
    ShowPreview();
}

std::string DefinitionsWindowLogic::NewName() const {
    const auto taken = [this](const std::string& name) {
        const auto& entries = parameters_.Entries();
        if (std::any_of(entries.begin(), entries.end(),
                        [&name](const auto& e) { return e.fields.name == name; })) {
            return true;
        }
        return std::any_of(
            monitor_.Groups().begin(), monitor_.Groups().end(), [&name](const MonitorGroup& group) {
                return std::any_of(group.entries.begin(), group.entries.end(),
                                   [&name](const MonitorEntry& e) { return e.name == name; });
            });
    };
    std::string name = "NewParameter";
    for (int number = 2; taken(name); ++number) {
        name = "NewParameter" + std::to_string(number);
    }
    return name;
}

void DefinitionsWindowLogic::AddEntry() {
    if (group_ < 0) {
        view_.ShowNotice("there is no ROM ID section to add to");
        return;
    }
    const auto& entries = monitor_.Groups()[static_cast<std::size_t>(group_)].entries;
    const std::size_t before = entry_ >= 0 ? static_cast<std::size_t>(entry_) : entries.size();
    // The parameter looked at is the one most likely to need an address here.
    const std::string name = subject_ && !SubjectAddress() ? subject_->name : NewName();
    std::string reason;
    const bool done = monitor_.AddEntry(static_cast<std::size_t>(group_), before, name, 0, reason);
    if (done) {
        entry_ = static_cast<int>(before);
        source_ = SubjectSource::Entry;
    }
    Edited(done, reason);
}

void DefinitionsWindowLogic::RemoveEntry() {
    if (group_ < 0 || entry_ < 0) {
        return;
    }
    std::string reason;
    Edited(monitor_.RemoveEntry(static_cast<std::size_t>(group_), static_cast<std::size_t>(entry_),
                                reason),
           reason);
}

void DefinitionsWindowLogic::MoveEntry(int step) {
    if (group_ < 0 || entry_ < 0) {
        return;
    }
    const int to = entry_ + step;
    if (!Valid(to, monitor_.Groups()[static_cast<std::size_t>(group_)].entries.size())) {
        return;
    }
    std::string reason;
    const bool done =
        monitor_.MoveEntry(static_cast<std::size_t>(group_), static_cast<std::size_t>(entry_),
                           static_cast<std::size_t>(to), reason);
    if (done) {
        entry_ = to;
    }
    Edited(done, reason);
}

void DefinitionsWindowLogic::AddParameter() {
    const std::size_t before =
        parameter_ >= 0 ? static_cast<std::size_t>(parameter_) : parameters_.Entries().size();
    const std::string name = NewName();
    std::string reason;
    // Its own name as the formula shows the raw byte until the user writes one.
    const bool done = parameters_.Add(before, name, "%d", name, reason);
    if (done) {
        parameter_ = static_cast<int>(before);
        source_ = SubjectSource::Parameter;
    }
    Edited(done, reason);
}

void DefinitionsWindowLogic::RemoveParameter() {
    if (parameter_ < 0) {
        return;
    }
    std::string reason;
    Edited(parameters_.Remove(static_cast<std::size_t>(parameter_), reason), reason);
}

void DefinitionsWindowLogic::MoveParameter(int step) {
    const int to = parameter_ + step;
    if (parameter_ < 0 || !Valid(to, parameters_.Entries().size())) {
        return;
    }
    std::string reason;
    const bool done = parameters_.Move(static_cast<std::size_t>(parameter_),
                                       static_cast<std::size_t>(to), reason);
    if (done) {
        parameter_ = to;
    }
    Edited(done, reason);
}

void DefinitionsWindowLogic::Undo() {
    if (history_.CanUndo()) {
        Restore(history_.Undo());
    }
}

void DefinitionsWindowLogic::Redo() {
    if (history_.CanRedo()) {
        Restore(history_.Redo());
    }
}

void DefinitionsWindowLogic::ChoosePreviewByte(std::uint8_t byte) {
    previewByte_ = byte;
    ShowPreview();
}

void DefinitionsWindowLogic::ReadNow() {
    const std::optional<std::uint32_t> address = SubjectAddress();
    if (!address) {
        return;
    }
    const std::string name = subject_->name;
    readNow_ = ReadNowState{name, true, std::nullopt};
    ShowPreview();
    host_.ReadAddress(*address, guard_([this, name](std::optional<std::uint8_t> byte) {
        if (readNow_ && readNow_->name == name) {
            readNow_ = ReadNowState{name, false, byte};
            ShowPreview();
        }
    }));
}

void DefinitionsWindowLogic::Save() {
    const DefinitionTexts texts = Texts();
    std::string notice;
    bool written = false;
    const auto save = [&](const FileState& file, const std::string& text, std::string& saved) {
        if (text == saved) {
            return;
        }
        std::string reason;
        if (!file.readable) {
            notice += file.path + " was not saved: it could not be read. ";
        } else if (ReplaceFileKeepingBackup(file.path, text, reason)) {
            saved = text;
            written = true;
            notice += "Saved " + file.path + " (the earlier file is " + file.path + ".bak). ";
        } else {
            notice += "Not saved: " + reason + ". ";
        }
    };
    save(parameterFile_, texts.parameters, saved_.parameters);
    save(monitorFile_, texts.monitor, saved_.monitor);
    if (notice.empty()) {
        notice = "Nothing to save.";
    }
    if (written) {
        host_.ReloadDefinitions();
        notice += "The definitions were loaded again.";
    }
    view_.ShowNotice(notice);
    ShowEditState();
}

} // namespace korvane

#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace korvane {

// The bytes of both definition files at one moment.
struct DefinitionTexts {
    std::string parameters;
    std::string monitor;

    bool operator==(const DefinitionTexts&) const = default;
};

// Undo and redo over whole file texts: each edit records what it left, and stepping back
// gives the files exactly as they were, whatever the edit touched.
class EditHistory {
public:
    explicit EditHistory(DefinitionTexts start) : states_{std::move(start)} {}

    // What an edit left; the steps undone before it can no longer be redone.
    void Record(DefinitionTexts texts) {
        states_.resize(current_ + 1);
        states_.push_back(std::move(texts));
        ++current_;
    }
    bool CanUndo() const { return current_ > 0; }
    bool CanRedo() const { return current_ + 1 < states_.size(); }
    const DefinitionTexts& Undo() { return states_[CanUndo() ? --current_ : current_]; }
    const DefinitionTexts& Redo() { return states_[CanRedo() ? ++current_ : current_]; }
    const DefinitionTexts& Current() const { return states_[current_]; }

private:
    std::vector<DefinitionTexts> states_;
    std::size_t current_ = 0;
};

} // namespace korvane

#pragma once

#include "workbench/monitor_file_document.h"
#include "workbench/parameter_file_document.h"

#include <cstddef>
#include <string>
#include <vector>

namespace korvane {

enum class FindingSeverity { Warning, Error };

// One mistake found in the definition files. Findings are for the user to read; nothing
// is changed because of them.
struct DefinitionFinding {
    std::string file;
    std::size_t line = 0; // counted from 1
    FindingSeverity severity = FindingSeverity::Warning;
    std::string text;

    bool operator==(const DefinitionFinding&) const = default;
};

// Both files as they would be loaded, with the names they are shown by.
struct DefinitionFiles {
    std::string parameterFile;
    const ParameterFileDocument& parameters;
    std::string monitorFile;
    const MonitorFileDocument& monitor;
};

// Every check over both files: names given twice, entries without a template, addresses
// a unit cannot be read at, formulas that name unknown parameters or that the engine
// reports a status for, display formats the engine will not use. The findings of the
// parameter file come first, each file's in line order.
std::vector<DefinitionFinding> CheckDefinitions(const DefinitionFiles& files);

bool HasErrors(const std::vector<DefinitionFinding>& findings);

// "file:line: error: text" or "file:line: warning: text".
std::string FindingText(const DefinitionFinding& finding);

} // namespace korvane

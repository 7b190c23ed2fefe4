#include "workbench/definition_checks.h"

#include "definitions/definition_text.h"
#include "formula/compiled_formula.h"
#include "formula/display_format.h"
#include "formula/formula_evaluator.h"
#include "formula/formula_status_text.h"
#include "text/format_text.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string_view>

namespace korvane {

namespace {

// The highest address a read frame carries.
constexpr std::uint32_t kHighestAddress = 0xFFFF;

// What a formula does, worked out once per template.
struct FormulaAnalysis {
    std::int32_t parseStatus = kFormulaOk;
    // The operands that name something rather than give a number or a quoted text.
    std::vector<std::string> names;
    // Evaluated with every named parameter at the same raw byte, for each byte: the first
    // byte it failed for with its status, and whether it failed for every byte.
    std::optional<std::pair<int, std::int32_t>> firstFailure;
    bool failsAlways = false;
};

bool IsNumberText(std::string_view text) {
    const bool digits =
        std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    return digits && std::count(text.begin(), text.end(), '.') <= 1 &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

FormulaAnalysis Analyse(std::string_view formula, const std::set<std::string, std::less<>>& known) {
    FormulaAnalysis report;
    std::vector<std::string> bound;
    {
        FormulaEvaluator evaluator;
        static_cast<void>(evaluator.Parse(formula));
        for (std::string& operand : evaluator.OperandNames()) {
            if (IsNumberText(operand) || operand.front() == '"') {
                continue;
            }
            if (known.contains(operand)) {
                bound.push_back(operand);
            }
            report.names.push_back(std::move(operand));
        }
    }
    CompiledFormula compiled(formula);
    report.parseStatus = compiled.ParseStatus();
    std::vector<FormulaVariable> variables;
    for (const std::string& name : bound) {
        variables.emplace_back(name, "0");
    }
    std::vector<const FormulaVariable*> pointers;
    for (const FormulaVariable& variable : variables) {
        pointers.push_back(&variable);
    }
    int failures = 0;
    for (int byte = 0; byte <= 0xFF; ++byte) {
        for (FormulaVariable& variable : variables) {
            variable.SetValueText(std::to_string(byte));
        }
        FormulaValue result;
        // A divisor too close to zero leaves a status on an evaluation that succeeds.
        if (!compiled.Evaluate(pointers, result) || compiled.Status() != kFormulaOk) {
            if (!report.firstFailure) {
                report.firstFailure.emplace(byte, compiled.Status());
            }
            ++failures;
        }
    }
    report.failsAlways = failures == 0x100;
    return report;
}

struct CheckContext {
    const DefinitionFiles& files;
    // Every name a formula may mean: the templates' and the monitored parameters'.
    std::set<std::string, std::less<>> known;
    // The first template of each name, as the loader keeps it.
    std::map<std::string, const ParameterEntry*, std::less<>> templates;
    std::map<const ParameterEntry*, FormulaAnalysis> reports;
};

class Findings {
public:
    Findings(const CheckContext& context, std::vector<DefinitionFinding>& all)
        : context_(context), all_(all) {}

    void InParameters(std::size_t line, FindingSeverity severity, std::string text) {
        all_.push_back({context_.files.parameterFile, line + 1, severity, std::move(text)});
    }
    void InMonitor(std::size_t line, FindingSeverity severity, std::string text) {
        all_.push_back({context_.files.monitorFile, line + 1, severity, std::move(text)});
    }

private:
    const CheckContext& context_;
    std::vector<DefinitionFinding>& all_;
};

// True when ReadHex finds a digit: after blanks and an optional "0x".
bool StartsWithHexNumber(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\n\v\f\r");
    if (start == std::string_view::npos) {
        return false;
    }
    text.remove_prefix(start);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
    }
    return !text.empty() && std::isxdigit(static_cast<unsigned char>(text.front())) != 0;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string Section(const MonitorGroup& group) {
    return "[" + group.romId + "]";
}

void TemplatesGivenTwice(const CheckContext& context, Findings& findings) {
    for (const ParameterEntry& entry : context.files.parameters.Entries()) {
        const ParameterEntry* first = context.templates.at(entry.fields.name);
        if (first != &entry) {
            findings.InParameters(entry.line, FindingSeverity::Error,
                                  Quoted(entry.fields.name) + " is defined on line " +
                                      std::to_string(first->line + 1) +
                                      " already: this line is not used");
        }
    }
}

void RomIdsGivenTwice(const CheckContext& context, Findings& findings) {
    const std::vector<MonitorGroup>& groups = context.files.monitor.Groups();
    for (auto group = groups.begin(); group != groups.end(); ++group) {
        const auto first = std::find_if(groups.begin(), group, [&group](const MonitorGroup& other) {
            return other.romId == group->romId;
        });
        if (group->romId.empty()) {
            findings.InMonitor(group->line, FindingSeverity::Error,
                               "a section without a ROM ID is never selected");
        } else if (first != group) {
            findings.InMonitor(group->line, FindingSeverity::Error,
                               "section " + Section(*group) + " repeats line " +
                                   std::to_string(first->line + 1) + ": it is never selected");
        }
    }
}

void EntriesGivenTwice(const CheckContext& context, Findings& findings) {
    for (const MonitorGroup& group : context.files.monitor.Groups()) {
        std::map<std::string_view, const MonitorEntry*> byName;
        std::map<std::uint32_t, const MonitorEntry*> byAddress;
        for (const MonitorEntry& entry : group.entries) {
            const auto [named, newName] = byName.try_emplace(entry.name, &entry);
            if (!newName) {
                findings.InMonitor(entry.line, FindingSeverity::Error,
                                   Quoted(entry.name) + " is listed in " + Section(group) +
                                       " on line " + std::to_string(named->second->line + 1) +
                                       " already: this line is not used");
                continue;
            }
            const auto [other, newAddress] = byAddress.try_emplace(entry.address, &entry);
            if (!newAddress) {
                // Of two names at one address only the one sorting first is read.
                const MonitorEntry* read =
                    std::min(other->second, &entry,
                             [](const auto* a, const auto* b) { return a->name < b->name; });
                const MonitorEntry* unread = read == &entry ? other->second : &entry;
                findings.InMonitor(entry.line, FindingSeverity::Warning,
                                   Quoted(entry.name) + " and " + Quoted(other->second->name) +
                                       " (line " + std::to_string(other->second->line + 1) +
                                       ") share address " + entry.addressText + ": " +
                                       Quoted(unread->name) + " is never read");
            }
        }
    }
}

void EntriesWithoutTemplate(const CheckContext& context, Findings& findings) {
    for (const MonitorGroup& group : context.files.monitor.Groups()) {
        for (const MonitorEntry& entry : group.entries) {
            if (context.templates.contains(entry.name)) {
                continue;
            }
            std::string text = Quoted(entry.name) + " has no line in " +
                               context.files.parameterFile + ": it shows its raw byte";
            if (IsBlankByte(entry.name.back())) {
                text += " (its name ends in a blank: write none before \"Address=\")";
            }
            findings.InMonitor(entry.line, FindingSeverity::Warning, std::move(text));
        }
    }
}

void AddressesOutOfRange(const CheckContext& context, Findings& findings) {
    for (const MonitorGroup& group : context.files.monitor.Groups()) {
        for (const MonitorEntry& entry : group.entries) {
            if (entry.address > kHighestAddress) {
                findings.InMonitor(entry.line, FindingSeverity::Error,
                                   "address " + entry.addressText +
                                       " is beyond FFFF, the highest a unit is read at");
            } else if (!StartsWithHexNumber(entry.addressText)) {
                findings.InMonitor(entry.line, FindingSeverity::Error,
                                   "address " + Quoted(entry.addressText) +
                                       " has no hexadecimal digits: it is read as 0000");
            }
        }
    }
}

void TemplateFormulas(const CheckContext& context, Findings& findings) {
    for (const ParameterEntry& entry : context.files.parameters.Entries()) {
        const FormulaAnalysis& report = context.reports.at(&entry);
        const std::string formula = Quoted(entry.ShownFormula());
        if (report.parseStatus != kFormulaOk) {
            findings.InParameters(entry.line, FindingSeverity::Error,
                                  "formula " + formula +
                                      " does not parse: " + FormulaStatusText(report.parseStatus));
        } else if (report.failsAlways) {
            findings.InParameters(entry.line, FindingSeverity::Error,
                                  "formula " + formula + " gives no value: " +
                                      FormulaStatusText(report.firstFailure->second));
        } else if (report.firstFailure) {
            findings.InParameters(entry.line, FindingSeverity::Warning,
                                  "formula " + formula + " gives no value for the raw byte " +
                                      FormatText("%02X", report.firstFailure->first) + ": " +
                                      FormulaStatusText(report.firstFailure->second));
        }
        for (const std::string& name : report.names) {
            if (!context.known.contains(name)) {
                findings.InParameters(entry.line, FindingSeverity::Error,
                                      "formula " + formula + " uses " + Quoted(name) +
                                          ", which is no parameter: it counts as 0");
            }
        }
    }
}

void FormulasOutsideTheirGroup(const CheckContext& context, Findings& findings) {
    for (const MonitorGroup& group : context.files.monitor.Groups()) {
        std::set<std::string_view> inGroup;
        for (const MonitorEntry& entry : group.entries) {
            inGroup.insert(entry.name);
        }
        for (const MonitorEntry& entry : group.entries) {
            const auto found = context.templates.find(entry.name);
            if (found == context.templates.end()) {
                continue;
            }
            // Names that are no parameter anywhere are reported at the template.
            for (const std::string& name : context.reports.at(found->second).names) {
                if (context.known.contains(name) && !inGroup.contains(name)) {
                    findings.InMonitor(entry.line, FindingSeverity::Error,
                                       "the formula of " + Quoted(entry.name) + " uses " +
                                           Quoted(name) + ", which " + Section(group) +
                                           " does not read: it counts as 0");
                }
            }
        }
    }
}

void DisplayFormats(const CheckContext& context, Findings& findings) {
    for (const ParameterEntry& entry : context.files.parameters.Entries()) {
        const std::string& format = entry.fields.format;
        DisplayFormat parsed;
        if (format.find('%') != std::string::npos && !ParseDisplayFormat(format, parsed)) {
            findings.InParameters(entry.line, FindingSeverity::Error,
                                  "display format " + Quoted(format) +
                                      " is not used: it may hold one number conversion "
                                      "(%d, %f, %X and the like) and %%, nothing else");
        }
    }
}

using Check = void (*)(const CheckContext&, Findings&);

constexpr Check kChecks[] = {
    TemplatesGivenTwice, RomIdsGivenTwice, EntriesGivenTwice,         EntriesWithoutTemplate,
    AddressesOutOfRange, TemplateFormulas, FormulasOutsideTheirGroup, DisplayFormats,
};

} // namespace

std::vector<DefinitionFinding> CheckDefinitions(const DefinitionFiles& files) {
    CheckContext context{files, {}, {}, {}};
    for (const ParameterEntry& entry : files.parameters.Entries()) {
        context.known.insert(entry.fields.name);
        context.templates.try_emplace(entry.fields.name, &entry);
    }
    for (const MonitorGroup& group : files.monitor.Groups()) {
        for (const MonitorEntry& entry : group.entries) {
            context.known.insert(entry.name);
        }
    }
    for (const ParameterEntry& entry : files.parameters.Entries()) {
        context.reports.emplace(&entry, Analyse(entry.fields.formula, context.known));
    }

    std::vector<DefinitionFinding> all;
    Findings findings(context, all);
    for (const Check check : kChecks) {
        check(context, findings);
    }
    std::stable_sort(all.begin(), all.end(), [&files](const auto& a, const auto& b) {
        const bool aFirst = a.file == files.parameterFile;
        const bool bFirst = b.file == files.parameterFile;
        return aFirst != bFirst ? aFirst : a.line < b.line;
    });
    return all;
}

bool HasErrors(const std::vector<DefinitionFinding>& findings) {
    return std::any_of(findings.begin(), findings.end(), [](const DefinitionFinding& finding) {
        return finding.severity == FindingSeverity::Error;
    });
}

std::string FindingText(const DefinitionFinding& finding) {
    return finding.file + ":" + std::to_string(finding.line) +
           (finding.severity == FindingSeverity::Error ? ": error: " : ": warning: ") +
           finding.text;
}

} // namespace korvane

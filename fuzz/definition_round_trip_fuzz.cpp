// Both definition files from the fuzzer held as documents: written back unchanged they
// are the same bytes, and they list what the loaders read. Then edits chosen by the
// fuzzer: after each one that is taken, the file still reads, through the loaders, as the
// document lists it, and only the entry asked for has changed; an edit that is refused
// leaves the bytes as they were.

#include "definitions/definition_store.h"
#include "workbench/definition_checks.h"
#include "workbench/loaded_model.h"
#include "workbench/monitor_file_document.h"
#include "workbench/parameter_file_document.h"

#include "fuzz_files.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using korvane::MonitorFileDocument;
using korvane::ParameterFileDocument;

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "round trip broken: %s\n", what);
        std::abort();
    }
}

void RequireLoadersAgree(const ParameterFileDocument& parameters,
                         const MonitorFileDocument& monitor) {
    fuzzing::WriteFile(fuzzing::FolderFile("paramdef.ini"), parameters.Text());
    fuzzing::WriteFile(fuzzing::FolderFile("SelectMonitor.ini"), monitor.Text());
    korvane::DefinitionStore store;
    store.LoadParameterFile(fuzzing::FolderFile("paramdef.ini"), nullptr);
    store.LoadMonitorFile(fuzzing::FolderFile("SelectMonitor.ini"), nullptr);
    Require(korvane::testing::StoreModel(store) ==
                korvane::testing::DocumentModel(parameters, monitor),
            "the loaders read other definitions than the documents list");
}

// What the documents list: the templates and each group's entries as multisets, so that
// what an edit changed is told apart from where it put its line.
struct Listing {
    using Template = std::tuple<std::string, std::string, std::string>;
    using Entry = std::pair<std::string, std::uint32_t>;
    std::multiset<Template> templates;
    std::vector<std::pair<std::string, std::multiset<Entry>>> groups;

    bool operator==(const Listing&) const = default;
};

Listing::Template TemplateOf(const korvane::ParameterEntry& entry) {
    return {entry.fields.name, entry.fields.format, std::string(entry.ShownFormula())};
}

Listing ListingOf(const ParameterFileDocument& parameters, const MonitorFileDocument& monitor) {
    Listing listing;
    for (const korvane::ParameterEntry& entry : parameters.Entries()) {
        listing.templates.insert(TemplateOf(entry));
    }
    for (const korvane::MonitorGroup& group : monitor.Groups()) {
        auto& entries = listing.groups.emplace_back(group.romId + "|" + group.name,
                                                    std::multiset<Listing::Entry>{});
        for (const korvane::MonitorEntry& entry : group.entries) {
            entries.second.insert({entry.name, entry.address});
        }
    }
    return listing;
}

// One edit: its kind as numbered in Edit, its targets and values.
struct EditRequest {
    int kind = 0;
    std::size_t a = 0;
    std::size_t b = 0;
    std::string text;
    std::uint32_t address = 0;
};

// The listing the edit is to leave when taken: the one before with only the edited entry
// changed. Targets that do not exist leave it as it is (the edit is refused then).
Listing ExpectedAfter(const EditRequest& edit, const ParameterFileDocument& parameters,
                      const MonitorFileDocument& monitor) {
    Listing listing = ListingOf(parameters, monitor);
    const auto& entries = parameters.Entries();
    if (edit.kind <= 2 || edit.kind == 4) {
        if (edit.a >= entries.size()) {
            return listing;
        }
        Listing::Template changed = TemplateOf(entries[edit.a]);
        listing.templates.erase(listing.templates.find(changed));
        if (edit.kind == 4) {
            return listing;
        }
        std::string* fields[] = {&std::get<0>(changed), &std::get<1>(changed),
                                 &std::get<2>(changed)};
        *fields[edit.kind] = edit.text;
        listing.templates.insert(changed);
    } else if (edit.kind == 3) {
        listing.templates.insert({edit.text, edit.text, edit.text});
    } else if (edit.kind != 5 && edit.a < listing.groups.size()) {
        std::multiset<Listing::Entry>& group = listing.groups[edit.a].second;
        if (edit.kind == 8) {
            group.insert({edit.text, edit.address});
            return listing;
        }
        const std::vector<korvane::MonitorEntry>& own = monitor.Groups()[edit.a].entries;
        if (edit.kind == 10 || edit.b >= own.size()) {
            return listing;
        }
        Listing::Entry changed{own[edit.b].name, own[edit.b].address};
        group.erase(group.find(changed));
        if (edit.kind == 9) {
            return listing;
        }
        if (edit.kind == 6) {
            changed.first = edit.text;
        } else {
            changed.second = edit.address;
        }
        group.insert(changed);
    }
    return listing;
}

// One edit of either document, its target and values from the fuzzer.
void Edit(FuzzedDataProvider& input, ParameterFileDocument& parameters,
          MonitorFileDocument& monitor) {
    const int kind = input.ConsumeIntegralInRange(0, 10);
    const std::size_t a = input.ConsumeIntegralInRange<std::size_t>(0, 64);
    const std::size_t b = input.ConsumeIntegralInRange<std::size_t>(0, 64);
    const std::string text = input.ConsumeRandomLengthString(48);
    const std::uint32_t address = input.ConsumeIntegral<std::uint32_t>();
    const std::string parametersBefore = parameters.Text();
    const std::string monitorBefore = monitor.Text();
    const Listing expected = ExpectedAfter({kind, a, b, text, address}, parameters, monitor);
    std::string reason;
    bool taken = false;
    switch (kind) {
    case 0:
        taken = parameters.SetName(a, text, reason);
        break;
    case 1:
        taken = parameters.SetFormat(a, text, reason);
        break;
    case 2:
        taken = parameters.SetFormula(a, text, reason);
        break;
    case 3:
        taken = parameters.Add(a, text, text, text, reason);
        break;
    case 4:
        taken = parameters.Remove(a, reason);
        break;
    case 5:
        taken = parameters.Move(a, b, reason);
        break;
    case 6:
        taken = monitor.SetEntryName(a, b, text, reason);
        break;
    case 7:
        taken = monitor.SetEntryAddress(a, b, address, reason);
        break;
    case 8:
        taken = monitor.AddEntry(a, b, text, address, reason);
        break;
    case 9:
        taken = monitor.RemoveEntry(a, b, reason);
        break;
    default:
        taken = monitor.MoveEntry(a, b, b / 2, reason);
        break;
    }
    Require(taken == reason.empty(), "an edit's outcome and its reason disagree");
    if (!taken) {
        Require(parameters.Text() == parametersBefore && monitor.Text() == monitorBefore,
                "a refused edit changed the file");
    } else {
        Require(ListingOf(parameters, monitor) == expected,
                "a taken edit changed more than the entry it was asked to");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string paramdef = input.ConsumeRandomLengthString(4096);
    const std::string monitorText = input.ConsumeRandomLengthString(4096);
    ParameterFileDocument parameters(paramdef);
    MonitorFileDocument monitor(monitorText);
    Require(parameters.Text() == paramdef && monitor.Text() == monitorText,
            "an unchanged file is not written back byte for byte");
    RequireLoadersAgree(parameters, monitor);

    for (int edits = 0; edits < 8 && input.remaining_bytes() > 0; ++edits) {
        Edit(input, parameters, monitor);
        RequireLoadersAgree(parameters, monitor);
    }
    if (size < 512) {
        // The checks evaluate every formula for every byte: only for small inputs.
        static_cast<void>(korvane::CheckDefinitions({"p", parameters, "m", monitor}));
    }
    return 0;
}

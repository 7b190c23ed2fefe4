// Both definition files from the fuzzer held as documents: written back unchanged they
// are the same bytes, and they list what the loaders read. Then edits chosen by the
// fuzzer: after each one that is taken, the file still reads, through the loaders, as the
// document lists it; an edit that is refused leaves the bytes as they were.

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
#include <string>

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

// The documents write back every line they were not asked to change, byte for byte, and
// what they list is what the loaders read from the same bytes.

#include "definitions/definition_store.h"
#include "support/scratch_folder.h"
#include "workbench/loaded_model.h"
#include "workbench/monitor_file_document.h"
#include "workbench/parameter_file_document.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace korvane {
namespace {

struct Files {
    std::string parameters;
    std::string monitor;
};

std::string LoadersModel(const Files& files) {
    const testing::ScratchFolder folder;
    DefinitionStore store;
    store.LoadParameterFile(folder.Write("paramdef.ini", files.parameters), nullptr);
    store.LoadMonitorFile(folder.Write("SelectMonitor.ini", files.monitor), nullptr);
    return testing::StoreModel(store);
}

void ExpectReadAsTheLoadersRead(const ParameterFileDocument& parameters,
                                const MonitorFileDocument& monitor) {
    EXPECT_EQ(testing::DocumentModel(parameters, monitor),
              LoadersModel({parameters.Text(), monitor.Text()}));
}

TEST(DocumentRoundTrip, UnchangedFilesAreWrittenBackByteForByte) {
    const std::string longLine = std::string(999, 'x') + "Cut,%d,Cut\n";
    const std::vector<std::pair<const char*, Files>> rows = {
        {"examples",
         {testing::ReadWholeFile(KORVANE_EXAMPLES_DIR "/paramdef.ini"),
          testing::ReadWholeFile(KORVANE_EXAMPLES_DIR "/SelectMonitor.ini")}},
        {"comments, CRLF, odd spacing, unknown lines, no final line feed",
         {"; head\r\n\r\n  Indented,%d,x\r\nSpeed ,\t%d ,  \"Speed * 2\"  ; note\r\n"
          "[Comment]\r\nRough,%d\r\nEdge,%d,\r\nLast,\"\",Last",
          "; m\r\n[Options]\r\nCommPort=3\r\n[A1B2C3]  trailing\r\nName=Unit \r\n"
          "SpeedAddress=0x10   \r\nSpeed Address=0x11\r\nXAddress=1234\r\n"
          "\tIndentedAddress=0x12\r\nLastAddress=0x13"}},
        {"lone CR, high bytes, mixed line ends",
         {"A,%d,A\rB\n\xE4x,%d,y\r\nC,%d,C\r\r\n",
          "[AB\rC]\n\xC3"
          "Address=0x01\nCommPort=COM4\nDdAddress=0x0002\r\n"}},
        {"lines longer than the reader reads at once",
         {longLine + std::string(1200, ';') + "\n",
          "[A1B2C3]\n" + std::string(995, 'Z') + "Address=0x0001\n" + longLine}},
        {"empty and blank files", {"", "\n\r\n"}},
    };
    for (const auto& [what, files] : rows) {
        SCOPED_TRACE(what);
        const ParameterFileDocument parameters(files.parameters);
        const MonitorFileDocument monitor(files.monitor);
        EXPECT_EQ(parameters.Text(), files.parameters);
        EXPECT_EQ(monitor.Text(), files.monitor);
        ExpectReadAsTheLoadersRead(parameters, monitor);
    }
}

// The last line ends in a CR of its own, which a line end given to it must not swallow.
const char* const kParameters = "; c\nA, %d, A\nB,\"%.1f V\",\"B * 2\"  ; note\r\nC,%d,C\r";

struct ParameterEdit {
    const char* what;
    std::function<bool(ParameterFileDocument&, std::string&)> edit;
    const char* expected; // nullptr: refused, the text unchanged
};

TEST(DocumentRoundTrip, AParameterEditChangesOnlyItsOwnLine) {
    using D = ParameterFileDocument;
    using R = std::string;
    const std::vector<ParameterEdit> rows = {
        {"formula", [](D& d, R& r) { return d.SetFormula(0, "A*2", r); },
         "; c\nA, %d, A*2\nB,\"%.1f V\",\"B * 2\"  ; note\r\nC,%d,C\r"},
        {"quoted format stays quoted", [](D& d, R& r) { return d.SetFormat(1, "%d", r); },
         "; c\nA, %d, A\nB,\"%d\",\"B * 2\"  ; note\r\nC,%d,C\r"},
        {"formula needing quotes", [](D& d, R& r) { return d.SetFormula(0, "A * 3", r); },
         "; c\nA, %d, \"A * 3\"\nB,\"%.1f V\",\"B * 2\"  ; note\r\nC,%d,C\r"},
        {"name that starts like a comment", [](D& d, R& r) { return d.SetName(2, ";C", r); },
         "; c\nA, %d, A\nB,\"%.1f V\",\"B * 2\"  ; note\r\n\";C\",%d,C\r"},
        {"add at the end", [](D& d, R& r) { return d.Add(3, "D", "%.1f km", "D", r); },
         "; c\nA, %d, A\nB,\"%.1f V\",\"B * 2\"  ; note\r\nC,%d,C\r\r\nD,\"%.1f km\",D"},
        {"add before", [](D& d, R& r) { return d.Add(0, "Z", "%d", "Z", r); },
         "; c\nZ,%d,Z\nA, %d, A\nB,\"%.1f V\",\"B * 2\"  ; note\r\nC,%d,C\r"},
        {"remove", [](D& d, R& r) { return d.Remove(1, r); }, "; c\nA, %d, A\nC,%d,C\r"},
        {"move down to the end", [](D& d, R& r) { return d.Move(0, 2, r); },
         "; c\nB,\"%.1f V\",\"B * 2\"  ; note\r\nC,%d,C\r\r\nA, %d, A"},
        {"move up from the end", [](D& d, R& r) { return d.Move(2, 0, r); },
         "; c\nC,%d,C\r\r\nA, %d, A\nB,\"%.1f V\",\"B * 2\"  ; note\r\n"},
        {"quote and blank", [](D& d, R& r) { return d.SetFormula(0, "a\"b c", r); }, nullptr},
        {"leading quote", [](D& d, R& r) { return d.SetName(0, "\"x", r); }, nullptr},
        {"line feed", [](D& d, R& r) { return d.SetFormat(0, "%d\n", r); }, nullptr},
        // Bare, the CR would join the line's own line feed.
        {"formula ending in CR", [](D& d, R& r) { return d.SetFormula(0, "A\r", r); },
         "; c\nA, %d, \"A\r\"\nB,\"%.1f V\",\"B * 2\"  ; note\r\nC,%d,C\r"},
        {"too long", [](D& d, R& r) { return d.SetFormula(0, std::string(1000, 'x'), r); },
         nullptr},
        {"no such entry", [](D& d, R& r) { return d.Move(0, 3, r); }, nullptr},
    };
    const MonitorFileDocument noMonitor;
    for (const ParameterEdit& row : rows) {
        SCOPED_TRACE(row.what);
        ParameterFileDocument document(kParameters);
        std::string reason;
        EXPECT_EQ(row.edit(document, reason), row.expected != nullptr);
        EXPECT_EQ(document.Text(), row.expected != nullptr ? row.expected : kParameters);
        EXPECT_EQ(reason.empty(), row.expected != nullptr) << reason;
        ExpectReadAsTheLoadersRead(document, noMonitor);
    }
}

const char* const kMonitor = "[Options]\nCommPort=2\n\n[A1]\nName=x\nAaAddress=0x0010 ; first\n"
                             "BbAddress=12ab\n; tail comment\n\n[B2]\nCcAddress=0x0020";

struct MonitorEdit {
    const char* what;
    std::function<bool(MonitorFileDocument&, std::string&)> edit;
    const char* expected; // nullptr: refused, the text unchanged
};

TEST(DocumentRoundTrip, AMonitorEditChangesOnlyItsOwnLine) {
    using D = MonitorFileDocument;
    using R = std::string;
    const std::vector<MonitorEdit> rows = {
        {"address keeps 0x and the rest",
         [](D& d, R& r) { return d.SetEntryAddress(0, 0, 0x1234, r); },
         "[Options]\nCommPort=2\n\n[A1]\nName=x\nAaAddress=0x1234 ; first\nBbAddress=12ab\n"
         "; tail comment\n\n[B2]\nCcAddress=0x0020"},
        {"address without 0x", [](D& d, R& r) { return d.SetEntryAddress(0, 1, 0x10, r); },
         "[Options]\nCommPort=2\n\n[A1]\nName=x\nAaAddress=0x0010 ; first\nBbAddress=0010\n"
         "; tail comment\n\n[B2]\nCcAddress=0x0020"},
        {"name", [](D& d, R& r) { return d.SetEntryName(0, 0, "Speed", r); },
         "[Options]\nCommPort=2\n\n[A1]\nName=x\nSpeedAddress=0x0010 ; first\nBbAddress=12ab\n"
         "; tail comment\n\n[B2]\nCcAddress=0x0020"},
        {"add after the group's last entry",
         [](D& d, R& r) { return d.AddEntry(0, 2, "New", 0x30, r); },
         "[Options]\nCommPort=2\n\n[A1]\nName=x\nAaAddress=0x0010 ; first\nBbAddress=12ab\n"
         "NewAddress=0x0030\n; tail comment\n\n[B2]\nCcAddress=0x0020"},
        {"add at the end of the file", [](D& d, R& r) { return d.AddEntry(1, 1, "Dd", 0x40, r); },
         "[Options]\nCommPort=2\n\n[A1]\nName=x\nAaAddress=0x0010 ; first\nBbAddress=12ab\n"
         "; tail comment\n\n[B2]\nCcAddress=0x0020\nDdAddress=0x0040"},
        {"remove", [](D& d, R& r) { return d.RemoveEntry(0, 0, r); },
         "[Options]\nCommPort=2\n\n[A1]\nName=x\nBbAddress=12ab\n"
         "; tail comment\n\n[B2]\nCcAddress=0x0020"},
        {"move up", [](D& d, R& r) { return d.MoveEntry(0, 1, 0, r); },
         "[Options]\nCommPort=2\n\n[A1]\nName=x\nBbAddress=12ab\nAaAddress=0x0010 ; first\n"
         "; tail comment\n\n[B2]\nCcAddress=0x0020"},
        {"name of one byte", [](D& d, R& r) { return d.SetEntryName(0, 0, "X", r); }, nullptr},
        {"name opening a section", [](D& d, R& r) { return d.SetEntryName(0, 0, "[Hd", r); },
         nullptr},
        {"name setting the port", [](D& d, R& r) { return d.SetEntryName(0, 0, "CommPort=5", r); },
         nullptr},
        {"name holding line feeds",
         [](D& d, R& r) { return d.SetEntryName(0, 0, "Aa\nCommPort=3\n[Zz", r); }, nullptr},
        {"added name holding a line feed",
         [](D& d, R& r) { return d.AddEntry(0, 0, "Aa\nBb", 1, r); }, nullptr},
        {"name holding the key", [](D& d, R& r) { return d.AddEntry(0, 0, "AaAddress=1", 1, r); },
         nullptr},
        {"no such group", [](D& d, R& r) { return d.AddEntry(2, 0, "Ee", 1, r); }, nullptr},
        {"no such entry", [](D& d, R& r) { return d.SetEntryName(0, 2, "Ee", r); }, nullptr},
        {"too long", [](D& d, R& r) { return d.SetEntryName(0, 0, std::string(1000, 'x'), r); },
         nullptr},
    };
    const ParameterFileDocument noParameters;
    for (const MonitorEdit& row : rows) {
        SCOPED_TRACE(row.what);
        MonitorFileDocument document(kMonitor);
        std::string reason;
        EXPECT_EQ(row.edit(document, reason), row.expected != nullptr);
        EXPECT_EQ(document.Text(), row.expected != nullptr ? row.expected : kMonitor);
        EXPECT_EQ(reason.empty(), row.expected != nullptr) << reason;
        ExpectReadAsTheLoadersRead(noParameters, document);
    }
}

TEST(DocumentRoundTrip, AnEntryStaysInItsGroupBesideALineOfSeveralPieces) {
    // The reader cuts the last group's header line: its first entry stands on it too. The
    // first group has no line of its own.
    const std::string text = "[G0]\n[G1]\nAaAddress=0x01\n[G2]" + std::string(995, 'x') +
                             "BbAddress=0x02\nDdAddress=0x04\n";
    using D = MonitorFileDocument;
    using R = std::string;
    const std::vector<MonitorEdit> rows = {
        {"add before the first", [](D& d, R& r) { return d.AddEntry(2, 0, "Cc", 3, r); },
         "||Aa |Bb Cc Dd "},
        {"move to the first", [](D& d, R& r) { return d.MoveEntry(2, 1, 0, r); }, "||Aa |Bb Dd "},
        {"add to the empty group", [](D& d, R& r) { return d.AddEntry(0, 0, "Ee", 5, r); },
         "|Ee |Aa |Bb Dd "},
    };
    for (const MonitorEdit& row : rows) {
        SCOPED_TRACE(row.what);
        MonitorFileDocument document(text);
        std::string reason;
        ASSERT_TRUE(row.edit(document, reason)) << reason;
        std::string groups;
        for (const MonitorGroup& group : document.Groups()) {
            groups += "|";
            for (const MonitorEntry& entry : group.entries) {
                groups += entry.name + " ";
            }
        }
        EXPECT_EQ(groups, row.expected);
        ExpectReadAsTheLoadersRead(ParameterFileDocument(), document);
    }
}

} // namespace
} // namespace korvane

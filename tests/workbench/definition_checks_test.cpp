#include "workbench/definition_checks.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace korvane {
namespace {

struct Expected {
    std::string where; // "p" or "m" (the file), the line and "E" or "W"
    std::string says;  // part of the text
};

struct Row {
    const char* what;
    const char* parameters;
    const char* monitor;
    std::vector<Expected> findings;
};

const Row kRows[] = {
    {"template twice", "Aa,%d,Aa\nAa,%d,Aa*2\n", "", {{"p2E", "defined on line 1"}}},
    {"ROM ID twice, and none",
     "",
     "[A1]\n[A1]\n[]\n",
     {{"m2E", "[A1] repeats line 1"}, {"m3E", "without a ROM ID"}}},
    {"entry twice, two entries at one address",
     "Aa,%d,Aa\nBb,%d,Bb\n",
     "[A1]\nBbAddress=0x0010\nAaAddress=0x0010\nAaAddress=0x0011\n",
     {{"m3W", "\"Bb\" is never read"}, {"m4E", "listed in [A1] on line 3"}}},
    {"entry without a template", "", "[A1]\nSpeed Address=0x0010\n", {{"m2W", "ends in a blank"}}},
    {"addresses",
     "Aa,%d,Aa\nBb,%d,Bb\nCc,%d,Cc\n",
     "[A1]\nAaAddress=0x10000\nBbAddress=zzzz\nCcAddress=0xFFFF\n",
     {{"m2E", "beyond FFFF"}, {"m3E", "no hexadecimal digits"}}},
    {"formula statuses",
     "Aa,%d,Aa)\nBb,%d,-5\nCc,%d,100/Cc\nDd,%d,\"Dd/(Dd-Dd)\"\nEe,%d,Ee/2\n",
     "",
     {{"p1E", "does not parse"},
      {"p2E", "gives no value: an operator or function lacks operands"},
      {"p3W", "no value for the raw byte 00: a divisor"},
      {"p4E", "gives no value: a divisor"}}},
    {"names",
     "Hi,%d,Hi*256+Lo\nLo,%d,Lo\nXx,%d,Xx+Nope+2.5+\"q\"+0\n",
     "[A1]\nHiAddress=0x0010\nXxAddress=0x0011\n",
     {{"p3E", "\"Nope\", which is no parameter"},
      {"m2E", "uses \"Lo\", which [A1] does not read"}}},
    {"display formats",
     "Aa,%s,Aa\nBb,\"%d %d\",Bb\nCc,\"%.1f %%\",Cc\nDd,plain,Dd\n",
     "",
     {{"p1E", "display format \"%s\""}, {"p2E", "display format \"%d %d\""}}},
};

TEST(DefinitionChecks, EachKindOfMistakeIsFoundOnItsLine) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.what);
        const ParameterFileDocument parameters(row.parameters);
        const MonitorFileDocument monitor(row.monitor);
        const std::vector<DefinitionFinding> findings =
            CheckDefinitions({"p", parameters, "m", monitor});
        ASSERT_EQ(findings.size(), row.findings.size());
        for (std::size_t i = 0; i < findings.size(); ++i) {
            const DefinitionFinding& finding = findings[i];
            EXPECT_EQ(finding.file + std::to_string(finding.line) +
                          (finding.severity == FindingSeverity::Error ? "E" : "W"),
                      row.findings[i].where)
                << finding.text;
            EXPECT_NE(finding.text.find(row.findings[i].says), std::string::npos) << finding.text;
        }
        EXPECT_EQ(HasErrors(findings), std::any_of(row.findings.begin(), row.findings.end(),
                                                   [](const Expected& expected) {
                                                       return expected.where.back() == 'E';
                                                   }));
    }
}

} // namespace
} // namespace korvane

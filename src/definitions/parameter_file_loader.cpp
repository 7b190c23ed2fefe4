// Loading of the parameter templates: one "name, format, formula" line per template.

#include "definitions/definition_file_reader.h"
#include "definitions/definition_store.h"
#include "definitions/definition_text.h"
#include "definitions/message_list.h"

#include <limits>
#include <string>
#include <vector>

namespace korvane {

int DefinitionStore::LoadParameterFile(const std::string& path, MessageList* messages) {
    DefinitionFileReader reader;
    if (!reader.Open(path, messages)) {
        return 0;
    }
    int accepted = 0;
    std::string line;
    std::vector<std::string> fields;
    while (reader.NextLine(line)) {
        // The line is split with its line feed: a formula that ends the line keeps it, which
        // the formula parser ignores.
        fields.clear();
        if (SplitFields(line, kFieldSeparators, fields) < 3) {
            continue;
        }
        const std::string& name = fields[0];
        if (FindDefinition(name) == nullptr) {
            ParameterDefinition definition(name, 0);
            definition.SetFormat(fields[1]);
            definition.SetFormula(fields[2]);
            AddDefinition(std::move(definition));
        }
        // Later duplicates are discarded but still counted and echoed.
        if (accepted < std::numeric_limits<int>::max()) {
            ++accepted;
        }
        EchoLine(messages, name + "," + fields[1] + "," + fields[2]);
    }
    reader.Close();
    return accepted;
}

} // namespace korvane

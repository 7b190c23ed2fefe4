// Loading of the parameter templates: one "name, format, formula" line per template.

#include "definitions/definition_file_reader.h"
#include "definitions/definition_store.h"
#include "definitions/message_list.h"
#include "definitions/parameter_line.h"

#include <limits>
#include <string>

namespace korvane {

int DefinitionStore::LoadParameterFile(const std::string& path, MessageList* messages) {
    DefinitionFileReader reader;
    if (!reader.Open(path, messages)) {
        return 0;
    }
    int accepted = 0;
    std::string line;
    ParameterLineFields fields;
    while (reader.NextLine(line)) {
        if (!ReadParameterLine(line, fields)) {
            continue;
        }
        const std::string& name = fields.name;
        if (FindDefinition(name) == nullptr) {
            ParameterDefinition definition(name, 0);
            definition.SetFormat(fields.format);
            definition.SetFormula(fields.formula);
            AddDefinition(std::move(definition));
        }
        // Later duplicates are discarded but still counted and echoed.
        if (accepted < std::numeric_limits<int>::max()) {
            ++accepted;
        }
        EchoLine(messages, name + "," + fields.format + "," + fields.formula);
    }
    reader.Close();
    return accepted;
}

} // namespace korvane

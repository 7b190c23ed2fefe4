// Loading of the monitored parameters: "[ROMID]" sections with "Name=" and
// "<parameter>Address=<hex>" lines, and the "CommPort=" option anywhere in the file.

#include "definitions/definition_file_reader.h"
#include "definitions/definition_store.h"
#include "definitions/definition_text.h"
#include "definitions/message_list.h"
#include "definitions/monitor_line.h"

#include <string>
#include <string_view>

namespace korvane {

void DefinitionStore::LoadMonitorFile(const std::string& path, MessageList* messages) {
    DefinitionFileReader reader;
    if (!reader.Open(path, messages)) {
        return;
    }
    RomIdGroup* section = nullptr;
    std::string line;
    while (reader.NextLine(line)) {
        TrimTrailingBlanks(line);
        const MonitorLine meaning = ClassifyMonitorLine(line, section != nullptr);
        if (meaning.commPort) {
            commPort = *meaning.commPort;
        }
        switch (meaning.kind) {
        case MonitorLine::Kind::Ignored:
        case MonitorLine::Kind::OptionHeader:
            break;
        case MonitorLine::Kind::Header:
            section = &AddGroup(meaning.romId);
            EchoLine(messages, section->RomId());
            break;
        case MonitorLine::Kind::Name:
            section->SetName(meaning.text);
            EchoLine(messages, section->Name());
            break;
        case MonitorLine::Kind::Address: {
            const std::string_view name = meaning.parameterName;
            ParameterDefinition parameter(name, ReadHex(meaning.addressText));
            if (const ParameterDefinition* found = FindDefinition(name)) {
                parameter.SetFormat(found->Format());
                parameter.SetFormula(found->Formula());
            }
            std::string echo(meaning.addressText);
            echo += " = ";
            echo += name;
            echo += "  ( ";
            echo += parameter.Format();
            echo += ", ";
            echo += parameter.Formula();
            echo += " )";
            EchoLine(messages, std::move(echo));
            // A later line for a name already present is echoed but leaves the first in
            // place.
            section->AddParameter(std::move(parameter));
            break;
        }
        }
    }
    reader.Close();
}

} // namespace korvane

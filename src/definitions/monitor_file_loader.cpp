// Loading of the monitored parameters: "[ROMID]" sections with "Name=" and
// "<parameter>Address=<hex>" lines, and the "CommPort=" option anywhere in the file.

#include "definitions/definition_file_reader.h"
#include "definitions/definition_store.h"
#include "definitions/definition_text.h"
#include "definitions/message_list.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

namespace {

constexpr std::string_view kOptionHeader = "[Option";
constexpr std::string_view kCommPortKey = "CommPort=";
constexpr std::string_view kNameKey = "Name=";
constexpr std::string_view kAddressKey = "Address=";
constexpr std::size_t kMaxRomIdBytes = 8;
constexpr std::size_t kMinParameterNameBytes = 2;
constexpr std::size_t kMinAddressTextBytes = 4;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The ROM ID of a section header: the bytes after "[" up to "]", a blank byte or the
// eighth byte, whichever comes first.
std::string_view RomIdOfHeader(std::string_view header) {
    std::string_view rest = header.substr(1);
    std::size_t length = 0;
    while (length < rest.size() && length < kMaxRomIdBytes && rest[length] != ']' &&
           !IsBlankByte(rest[length])) {
        ++length;
    }
    return rest.substr(0, length);
}

int CommPortOf(std::string_view value) {
    const int port = ReadDecimal(value);
    return port >= 1 && port <= DefinitionStore::kMaxCommPort ? port
                                                              : DefinitionStore::kDefaultCommPort;
}

} // namespace

void DefinitionStore::LoadMonitorFile(const std::string& path, MessageList* messages) {
    DefinitionFileReader reader;
    if (!reader.Open(path, messages)) {
        return;
    }
    RomIdGroup* section = nullptr;
    std::string line;
    while (reader.NextLine(line)) {
        TrimTrailingBlanks(line);
        const std::string_view text = line;
        // An options header neither opens a section nor ends the current one.
        if (StartsWith(text, kOptionHeader)) {
            continue;
        }
        // The option is valid anywhere, and the line is classified further below.
        if (StartsWith(text, kCommPortKey)) {
            commPort = CommPortOf(text.substr(kCommPortKey.size()));
        }
        if (StartsWith(text, "[")) {
            section = &AddGroup(RomIdOfHeader(text));
            EchoLine(messages, section->RomId());
            continue;
        }
        if (section == nullptr) {
            continue;
        }
        if (StartsWith(text, kNameKey)) {
            section->SetName(text.substr(kNameKey.size()));
            EchoLine(messages, section->Name());
            continue;
        }
        const std::size_t key = text.find(kAddressKey);
        if (key == std::string_view::npos) {
            continue;
        }
        // The name runs right up to the key, spaces included.
        const std::string_view name = text.substr(0, key);
        const std::string_view addressText = text.substr(key + kAddressKey.size());
        if (name.size() < kMinParameterNameBytes || addressText.size() < kMinAddressTextBytes) {
            continue;
        }
        ParameterDefinition parameter(name, ReadHex(addressText));
        if (const ParameterDefinition* found = FindDefinition(name)) {
            parameter.SetFormat(found->Format());
            parameter.SetFormula(found->Formula());
        }
        std::string echo(addressText);
        echo += " = ";
        echo += name;
        echo += "  ( ";
        echo += parameter.Format();
        echo += ", ";
        echo += parameter.Formula();
        echo += " )";
        EchoLine(messages, std::move(echo));
        // A later line for a name already present is echoed but leaves the first in place.
        section->AddParameter(std::move(parameter));
    }
    reader.Close();
}

} // namespace korvane

#include "definitions/monitor_line.h"

#include "definitions/definition_store.h"
#include "definitions/definition_text.h"

#include <cstddef>

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

MonitorLine ClassifyMonitorLine(std::string_view line, bool sectionOpen) {
    MonitorLine result;
    if (StartsWith(line, kOptionHeader)) {
        result.kind = MonitorLine::Kind::OptionHeader;
        return result;
    }
    // The option is valid anywhere, and the line is classified further below.
    if (StartsWith(line, kCommPortKey)) {
        result.commPort = CommPortOf(line.substr(kCommPortKey.size()));
    }
    if (StartsWith(line, "[")) {
        result.kind = MonitorLine::Kind::Header;
        result.romId = RomIdOfHeader(line);
        return result;
    }
    if (!sectionOpen) {
        return result;
    }
    if (StartsWith(line, kNameKey)) {
        result.kind = MonitorLine::Kind::Name;
        result.text = line.substr(kNameKey.size());
        return result;
    }
    const std::size_t key = line.find(kAddressKey);
    if (key == std::string_view::npos) {
        return result;
    }
    // The name runs right up to the key, spaces included.
    const std::string_view name = line.substr(0, key);
    const std::string_view addressText = line.substr(key + kAddressKey.size());
    if (name.size() >= kMinParameterNameBytes && addressText.size() >= kMinAddressTextBytes) {
        result.kind = MonitorLine::Kind::Address;
        result.parameterName = name;
        result.addressText = addressText;
    }
    return result;
}

} // namespace korvane

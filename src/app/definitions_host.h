#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace korvane {

// What the definitions window needs of the main window: the bytes it last read, the unit
// to read one more from, and the definitions it runs on.
class DefinitionsHost {
public:
    virtual ~DefinitionsHost() = default;
    // The bytes of the last Read Parameters pass, by parameter name; only those it read.
    virtual std::map<std::string, std::uint8_t> LastPassBytes() const = 0;
    // Reads the byte at the address from the chosen unit on the worker; `done` gets it, or
    // none when the unit did not give it, on the window's thread.
    virtual void ReadAddress(std::uint32_t address,
                             std::function<void(std::optional<std::uint8_t>)> done) = 0;
    // Loads the definition files again as at start, echoing them into the message list,
    // and keeps the selected ROM ID selected where the files still define it.
    virtual void ReloadDefinitions() = 0;
};

} // namespace korvane

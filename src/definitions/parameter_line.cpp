#include "definitions/parameter_line.h"

#include "definitions/definition_text.h"

#include <vector>

namespace korvane {

bool ReadParameterLine(std::string_view line, ParameterLineFields& fields) {
    // The line is split with its line feed: a formula that ends the line keeps it, which
    // the formula parser ignores.
    std::vector<std::string> split;
    if (SplitFields(line, kFieldSeparators, split) < 3) {
        return false;
    }
    fields.name = std::move(split[0]);
    fields.format = std::move(split[1]);
    fields.formula = std::move(split[2]);
    return true;
}

} // namespace korvane

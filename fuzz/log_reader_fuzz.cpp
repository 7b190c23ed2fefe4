// Any bytes as a log from a user's disk: the parser that turns lines into Read Parameters
// runs must neither crash nor hand back a run whose columns and rows disagree.

#include "log/log_parser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    korvane::LogParser parser;
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        parser.AddLine(text.substr(0, feed));
        text.remove_prefix(feed == std::string_view::npos ? text.size() : feed + 1);
    }
    const korvane::LogContent content = parser.Finish();
    for (const auto& run : content.runs) {
        if (run.columns.empty() || run.values.size() != run.columns.size()) {
            std::abort();
        }
        for (const auto& column : run.values) {
            if (column.size() != run.RowCount()) {
                std::abort();
            }
        }
    }
    return 0;
}

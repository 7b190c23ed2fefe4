#include "text/format_text.h"

#include <cstdarg>
#include <cstdio>

namespace korvane {

std::string FormatText(const char* format, ...) {
    char buffer[1024];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    return length < 0 ? std::string() : std::string(buffer);
}

} // namespace korvane

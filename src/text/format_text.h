#pragma once

#include <string>

namespace korvane {

// printf-style formatting into a text of at most 1023 characters, as every text the
// window shows is built.
std::string FormatText(const char* format, ...)
#if defined(__GNUC__) || defined(__clang__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

} // namespace korvane

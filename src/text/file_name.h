#pragma once

#include <string>
#include <string_view>

namespace korvane {

// The part of a path after its last backslash, or, when it has none, after its last
// slash; the whole path when it has neither. True when that part has more than one
// character (so a path ending in a separator suggests no file name).
bool FileNamePart(std::string& part, std::string_view path);

// The text after the last dot of the whole path. False, with an empty output, when
// there is no dot, the dot is the first character, or nothing follows it.
bool FileExtension(std::string& extension, std::string_view path);

} // namespace korvane

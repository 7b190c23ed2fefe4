#pragma once

#include <string>

namespace korvane::cli {

// The full path of a file, as an open-file dialog hands it over; the path as given when
// it cannot be formed.
std::string FullPath(const std::string& path);

} // namespace korvane::cli

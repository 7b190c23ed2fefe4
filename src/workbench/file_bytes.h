#pragma once

#include <string>

namespace korvane {

// Reads a whole regular file (a folder, pipe or device is refused, as the definition
// reader refuses it). False with the reason when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& reason);

} // namespace korvane

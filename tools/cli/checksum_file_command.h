#pragma once

#include <ostream>
#include <string>

namespace korvane::cli {

// Prints the text the "Checksum file" message box shows for the file (named by its full
// path, as the file dialog hands it over). Success only when the stored and calculated
// checksums agree.
int RunChecksumFile(const std::string& path, std::ostream& out, std::ostream& err);

} // namespace korvane::cli

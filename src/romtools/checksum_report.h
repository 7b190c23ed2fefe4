#pragma once

#include <string>
#include <string_view>

#include "romtools/rom_checksum.h"

namespace korvane {

// The text that reports the check of the ROM image file at `path`, as the "Checksum
// file" command shows it: the summary with both checksums and the file size, or why the
// check failed. Shared by the window and the command line so both say the same.
std::string ChecksumReportText(std::string_view path, const RomFileCheck& check);

} // namespace korvane

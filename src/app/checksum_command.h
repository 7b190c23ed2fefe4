#pragma once

#include <string>

namespace korvane {

class UserDialogs;

// The "Checksum file" command: asks for a ROM image file and shows its checksum summary,
// or why it could not be checked, in a message box. Touches neither the unit nor the log.
void ChecksumFileCommand(UserDialogs& dialogs, const std::string& programDirectory);

} // namespace korvane

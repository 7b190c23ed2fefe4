#pragma once

#include "reading/rom_id_view.h"

#include <string>
#include <vector>

namespace korvane {

class UnitSession;

// What the main window shows after the definition files were loaded again.
struct DefinitionsReload {
    // The loaders' echo, as at start.
    std::vector<std::string> messages;
    // The ROM-ID list and the entry to select in it.
    std::vector<std::string> romIds;
    std::string preselect;
    RomIdView view;
};

// Loads the session's definition files again from the working directory. The group that
// was selected stays selected when a section of the same ROM ID is still there (the first
// one, as a selection by that ID would pick); otherwise none is, as at start.
DefinitionsReload ReloadDefinitions(UnitSession& session);

} // namespace korvane

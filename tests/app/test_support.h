#pragma once

// The shared scratch folder under the name the Qt shell's tests still use.
#include "support/scratch_folder.h"

namespace korvane::fakes {
using TempFolder = korvane::testing::ScratchFolder;
} // namespace korvane::fakes

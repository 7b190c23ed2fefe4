#pragma once

#include "app/user_dialogs.h"

namespace korvane {

// The open-file filter of the ROM tools: ROM images and dumps first, then anything.
inline FileFilter BinaryFileFilter() {
    return {{"Binary files (bin,hex)", "*.bin;*.hex"}, {"All files", "*.*"}};
}

} // namespace korvane

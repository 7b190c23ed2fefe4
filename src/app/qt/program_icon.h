#pragma once

#include <QIcon>

namespace korvane {

// The program's icon (icon 102 of the resources): window icon and About box picture.
QIcon ProgramIcon();

} // namespace korvane

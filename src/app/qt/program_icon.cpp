#include "app/qt/program_icon.h"

namespace korvane {

QIcon ProgramIcon() {
    return QIcon(QStringLiteral(":/korvane/program_icon.png"));
}

} // namespace korvane

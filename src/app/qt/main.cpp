#include "app/qt/program_icon.h"
#include "app/qt/startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setWindowIcon(korvane::ProgramIcon());
    return korvane::StartKorvane();
}

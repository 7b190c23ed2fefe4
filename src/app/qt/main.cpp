#include "app/qt/program_icon.h"
#include "app/qt/startup.h"

#include <QApplication>

#include <clocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Qt adopts the user's locale; shown and logged numbers must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setWindowIcon(korvane::ProgramIcon());
    return korvane::StartKorvane();
}

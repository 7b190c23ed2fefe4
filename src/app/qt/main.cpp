#include "app/qt/program_icon.h"
#include "app/qt/start_options.h"
#include "app/qt/startup.h"
#include "app/qt/work_folder.h"

#include <QApplication>

#include <clocale>
#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <windows.h>
#endif

// KORVANE_APP_ID, KORVANE_RELEASE and KORVANE_DATA_FROM_PROGRAM (the installed data folder
// relative to the program's folder) come from the build, see cmake/Install.cmake.

namespace {

// korvane.exe has no console of its own, so what it prints would go nowhere: help,
// version and usage errors go to the console it was started from, unless its output is
// redirected. Only then, so that Ctrl+C in that console never reaches the window.
void UseStartingConsole() {
#ifdef _WIN32
    if (GetStdHandle(STD_OUTPUT_HANDLE) == nullptr && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    // Help and version need no display, so they are answered before the toolkit starts.
    const auto early = korvane::ParseStartOptions(korvane::ArgumentsAfterProgramName(argc, argv));
    if (early.action == korvane::StartOptions::Action::Help) {
        UseStartingConsole();
        std::cout << korvane::StartHelpText();
        return 0;
    }
    if (early.action == korvane::StartOptions::Action::Version) {
        UseStartingConsole();
        std::cout << "korvane " KORVANE_RELEASE "\n";
        return 0;
    }

    QApplication app(argc, argv);
    // Qt adopts the user's locale; shown and logged numbers must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setApplicationVersion(QStringLiteral(KORVANE_RELEASE));
    // Desktops match the window to the installed desktop file (and its icon) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVANE_APP_ID));
    QApplication::setWindowIcon(korvane::ProgramIcon());

    // The toolkit has taken its own options out of argv by now.
    const auto options = korvane::ParseStartOptions(korvane::ArgumentsAfterProgramName(argc, argv));
    if (options.action == korvane::StartOptions::Action::UsageError) {
        UseStartingConsole();
        std::cerr << "korvane: " << options.error << "\nTry 'korvane --help'.\n";
        return 2;
    }
    const auto examples = korvane::FindExamples(
        QCoreApplication::applicationDirPath().toStdString(), KORVANE_DATA_FROM_PROGRAM);
    const auto folder = korvane::EnterWorkFolder(options, examples);
    if (!folder.ok) {
        UseStartingConsole();
        std::cerr << "korvane: " << folder.error << "\n";
        return 2;
    }
    return korvane::StartKorvane(folder.messages, options.anyRate);
}

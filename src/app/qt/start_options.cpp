#include "app/qt/start_options.h"

#include <algorithm>
#include <utility>

namespace korvane {

namespace {

// Where --user-folder works, as the user knows the place.
#ifdef _WIN32
constexpr const char* kUserFolderPlace = "%LOCALAPPDATA%\\Korvane:";
#else
constexpr const char* kUserFolderPlace = "$XDG_DATA_HOME/korvane\n"
                                         "                 (normally ~/.local/share/korvane):";
#endif

StartOptions Answer(StartOptions::Action action, std::string error = {}) {
    StartOptions options;
    options.action = action;
    options.error = std::move(error);
    return options;
}

StartOptions Refuse(std::string reason) {
    return Answer(StartOptions::Action::UsageError, std::move(reason));
}

bool Contains(const std::vector<std::string>& arguments, const std::string& option) {
    return std::find(arguments.begin(), arguments.end(), option) != arguments.end();
}

} // namespace

StartOptions ParseStartOptions(const std::vector<std::string>& arguments) {
    const auto end = std::find(arguments.begin(), arguments.end(), "--");
    const std::vector<std::string> options(arguments.begin(), end);
    if (Contains(options, "--help") || Contains(options, "-h")) {
        return Answer(StartOptions::Action::Help);
    }
    if (Contains(options, "--version")) {
        return Answer(StartOptions::Action::Version);
    }

    StartOptions result;
    std::vector<std::string> folders;
    for (auto it = arguments.begin(); it != arguments.end(); ++it) {
        if (it == end) {
            folders.insert(folders.end(), end + 1, arguments.end());
            break;
        }
        if (*it == "--user-folder") {
            result.userFolder = true;
        } else if (*it == "--any-rate") {
            result.anyRate = true;
        } else if (it->size() > 1 && it->front() == '-') {
            return Refuse("unknown option " + *it);
        } else {
            folders.push_back(*it);
        }
    }
    if (folders.size() > 1) {
        return Refuse("more than one FOLDER");
    }
    if (!folders.empty() && result.userFolder) {
        return Refuse("FOLDER and --user-folder exclude each other");
    }
    if (!folders.empty()) {
        result.folder = folders.front();
    }
    return result;
}

std::vector<std::string> ArgumentsAfterProgramName(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int k = 1; k < argc; ++k) {
        arguments.emplace_back(argv[k]);
    }
    return arguments;
}

std::string StartHelpText() {
    std::string text =
        "Usage: korvane [OPTION]... [FOLDER]\n"
        "Korvane, a diagnostic tool for the control units of a car: reads the ROM ID, live\n"
        "parameters and memory over a serial line at 1953 baud, logs readings and dumps\n"
        "and checks ROM images.\n"
        "\n"
        "Korvane reads paramdef.ini and SelectMonitor.ini from the folder it works in:\n"
        "FOLDER when given, otherwise the working directory. Log and dump files are\n"
        "offered there too.\n"
        "\n"
        "Options:\n"
        "  --user-folder  work in the user's Korvane folder, ";
    text += kUserFolderPlace;
    text += "\n"
            "                 it is created when missing, and the example definition files\n"
            "                 are copied into it when it holds none; no file there is ever\n"
            "                 overwritten\n"
            "  --any-rate     open the port at whatever rate its driver makes instead of\n"
            "                 refusing one that cannot run at 1953 baud (for simulators and\n"
            "                 emulators); the message list names the rate\n"
            "  -h, --help     show this help and exit\n"
            "  --version      show the version and exit\n"
            "\n"
            "The toolkit's own options (for example -platform offscreen) are accepted too.\n"
            "The message list of the window names the folder Korvane works in.\n";
    return text;
}

} // namespace korvane

#pragma once

#include <string>
#include <vector>

namespace korvane {

// What the korvane command line asks for.
struct StartOptions {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    // The folder to work in; empty keeps the working directory.
    std::string folder;
    // Work in the user's Korvane folder (see work_folder.h).
    bool userFolder = false;
    // Open a port at whatever rate its driver makes: for simulators and emulators.
    bool anyRate = false;
    // Why the command line was refused, for a UsageError.
    std::string error;
};

// Reads the arguments that follow the program name. --help and --version win wherever they
// stand, so that they work before the toolkit has taken out its own options.
StartOptions ParseStartOptions(const std::vector<std::string>& arguments);

// The arguments of main() after the program name.
std::vector<std::string> ArgumentsAfterProgramName(int argc, char** argv);

// What --help prints.
std::string StartHelpText();

} // namespace korvane

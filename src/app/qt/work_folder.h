#pragma once

#include "app/qt/start_options.h"

#include <filesystem>
#include <string>
#include <vector>

namespace korvane {

// The user's Korvane folder: $XDG_DATA_HOME/korvane, or ~/.local/share/korvane when
// XDG_DATA_HOME is unset or not absolute; on Windows %LOCALAPPDATA%\Korvane. Empty when
// no variable helps.
std::filesystem::path UserFolder();

// Where the installed example definition files are: dataFromProgram (the data folder
// relative to the program's own folder) first, then (not on Windows) korvane/examples in
// each of $XDG_DATA_DIRS. Empty when none exists.
std::filesystem::path FindExamples(const std::filesystem::path& programFolder,
                                   const std::string& dataFromProgram);

// Creates the folder when missing and, when it holds no definition file, copies every
// file of examples into it, never replacing one. Returns the lines for the message list;
// error is set when the folder cannot be made.
std::vector<std::string> PrepareUserFolder(const std::filesystem::path& folder,
                                           const std::filesystem::path& examples,
                                           std::error_code& error);

// Where start-up went and what the message list should say about it.
struct WorkFolderOutcome {
    // False when the command line named a folder that cannot be entered.
    bool ok = true;
    std::string error;
    std::vector<std::string> messages;
};

// Makes the folder the options ask for the working directory. A user folder that cannot be
// made or entered leaves the working directory as it was and says so in the messages.
WorkFolderOutcome EnterWorkFolder(const StartOptions& options,
                                  const std::filesystem::path& examples);

} // namespace korvane

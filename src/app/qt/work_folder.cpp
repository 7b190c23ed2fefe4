#include "app/qt/work_folder.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace korvane {

namespace fs = std::filesystem;

namespace {

#ifndef _WIN32
std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}
#endif

bool HoldsDefinitionFile(const fs::path& folder) {
    std::error_code error;
    return fs::exists(folder / "paramdef.ini", error) ||
           fs::exists(folder / "SelectMonitor.ini", error);
}

std::string WorkingHere(const fs::path& folder) {
    return "Working folder: " + folder.string();
}

} // namespace

fs::path UserFolder() {
#ifdef _WIN32
    // The per-user place for a program's own data that does not roam with the profile.
    // Read wide, as a user name outside the ANSI code page would not survive getenv.
    const wchar_t* value = _wgetenv(L"LOCALAPPDATA");
    const fs::path localAppData = value == nullptr ? fs::path() : fs::path(value);
    return localAppData.is_absolute() ? localAppData / "Korvane" : fs::path();
#else
    const fs::path dataHome = Environment("XDG_DATA_HOME");
    if (dataHome.is_absolute()) {
        return dataHome / "korvane";
    }
    const fs::path home = Environment("HOME");
    if (home.is_absolute()) {
        return home / ".local" / "share" / "korvane";
    }
    return {};
#endif
}

fs::path FindExamples(const fs::path& programFolder, const std::string& dataFromProgram) {
    std::vector<fs::path> candidates{programFolder / dataFromProgram / "examples"};
#ifndef _WIN32
    std::string dataDirs = Environment("XDG_DATA_DIRS");
    if (dataDirs.empty()) {
        dataDirs = "/usr/local/share:/usr/share";
    }
    std::istringstream dirs(dataDirs);
    for (std::string dir; std::getline(dirs, dir, ':');) {
        if (fs::path(dir).is_absolute()) {
            candidates.push_back(fs::path(dir) / "korvane" / "examples");
        }
    }
#endif
    for (const auto& candidate : candidates) {
        std::error_code error;
        if (fs::is_directory(candidate, error)) {
            return candidate.lexically_normal();
        }
    }
    return {};
}

std::vector<std::string> PrepareUserFolder(const fs::path& folder, const fs::path& examples,
                                           std::error_code& error) {
    error.clear();
    fs::create_directories(folder, error);
    if (error) {
        return {};
    }
    if (HoldsDefinitionFile(folder)) {
        return {};
    }
    if (examples.empty()) {
        return {"No example definition files were found to copy"};
    }
    std::vector<fs::path> files;
    std::error_code listError;
    for (const auto& entry : fs::directory_iterator(examples, listError)) {
        if (entry.is_regular_file(listError)) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    std::string line = "Copied the example files:";
    bool copiedAny = false;
    for (const auto& file : files) {
        std::error_code copyError;
        if (fs::copy_file(file, folder / file.filename(), fs::copy_options::skip_existing,
                          copyError)) {
            // Appended piece by piece: GCC 12 at -O3 misjudges a concatenated temporary.
            line.push_back(' ');
            line.append(file.filename().string());
            copiedAny = true;
        }
    }
    if (!copiedAny) {
        return {"No example definition files could be copied from " + examples.string()};
    }
    return {line};
}

WorkFolderOutcome EnterWorkFolder(const StartOptions& options, const fs::path& examples) {
    WorkFolderOutcome outcome;
    std::error_code error;
    if (!options.folder.empty()) {
        fs::current_path(options.folder, error);
        if (error) {
            outcome.ok = false;
            outcome.error = "cannot work in " + options.folder + ": " + error.message();
            return outcome;
        }
        outcome.messages.push_back(WorkingHere(fs::current_path(error)));
        return outcome;
    }
    if (!options.userFolder) {
        return outcome;
    }

    const fs::path folder = UserFolder();
    if (folder.empty()) {
#ifdef _WIN32
        outcome.messages.push_back("No user folder: LOCALAPPDATA is not set");
#else
        outcome.messages.push_back("No user folder: neither XDG_DATA_HOME nor HOME is set");
#endif
        return outcome;
    }
    auto copied = PrepareUserFolder(folder, examples, error);
    if (!error) {
        fs::current_path(folder, error);
    }
    if (error) {
        outcome.messages.push_back("Cannot use the folder " + folder.string() + ": " +
                                   error.message());
        outcome.messages.push_back(WorkingHere(fs::current_path(error)));
        return outcome;
    }
    outcome.messages.push_back(WorkingHere(folder));
    outcome.messages.insert(outcome.messages.end(), copied.begin(), copied.end());
    return outcome;
}

} // namespace korvane

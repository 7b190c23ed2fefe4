#include "workbench/file_replace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace korvane {

namespace {

namespace fs = std::filesystem;

bool Failed(std::string& reason, const std::string& what, const std::string& path, int error) {
    reason = what + " " + path + ": " + std::strerror(error);
    return false;
}

bool PushToDevice(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(::fileno(file)) == 0;
#endif
}

// So that the rename itself survives a power cut; where a folder cannot be opened or
// pushed, the rename is still done.
void PushFolder([[maybe_unused]] const fs::path& folder) {
#ifndef _WIN32
    const int handle = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (handle >= 0) {
        static_cast<void>(::fsync(handle));
        ::close(handle);
    }
#endif
}

} // namespace

bool FileSteps::WriteNew(const std::string& path, std::string_view bytes, std::string& reason) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return Failed(reason, "cannot create", path, errno);
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                   std::fflush(file) == 0 && PushToDevice(file);
    int error = errno;
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    return written || Failed(reason, "cannot write", path, error);
}

bool FileSteps::Copy(const std::string& from, const std::string& to, std::string& reason) {
    std::error_code error;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    if (error) {
        reason = "cannot copy " + from + " to " + to + ": " + error.message();
        return false;
    }
    return true;
}

bool FileSteps::Rename(const std::string& from, const std::string& to, std::string& reason) {
    std::error_code error;
    fs::rename(from, to, error);
    if (error) {
        reason = "cannot replace " + to + ": " + error.message();
        return false;
    }
    PushFolder(fs::path(to).parent_path());
    return true;
}

void FileSteps::Remove(const std::string& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

bool ReplaceFileKeepingBackup(const std::string& path, std::string_view bytes,
                              std::string& reason) {
    FileSteps steps;
    return ReplaceFileKeepingBackup(path, bytes, reason, steps);
}

bool ReplaceFileKeepingBackup(const std::string& path, std::string_view bytes, std::string& reason,
                              FileSteps& steps) {
    const std::string fresh = path + ".new";
    if (!steps.WriteNew(fresh, bytes, reason)) {
        steps.Remove(fresh);
        return false;
    }
    std::error_code error;
    if (fs::exists(path, error)) {
        // The new file is the user's file: it keeps the old one's permissions.
        fs::permissions(fresh, fs::status(path, error).permissions(), error);
        if (!steps.Copy(path, path + ".bak", reason)) {
            steps.Remove(fresh);
            return false;
        }
    }
    if (!steps.Rename(fresh, path, reason)) {
        steps.Remove(fresh);
        return false;
    }
    return true;
}

} // namespace korvane

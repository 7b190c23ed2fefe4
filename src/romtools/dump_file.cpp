#include "romtools/dump_file.h"

#include <cerrno>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace korvane {

namespace {

// A file deleted while open (or with its folder) still takes writes, which are then lost
// with it; the dump must not go on as if they were kept.
bool StillLinked(std::FILE* file) {
#ifdef _WIN32
    (void)file;
    return true;
#else
    struct stat info {};
    return ::fstat(::fileno(file), &info) == 0 && (!S_ISREG(info.st_mode) || info.st_nlink > 0);
#endif
}

} // namespace

DumpFile::~DumpFile() {
    (void)Close();
}

void DumpFile::NoteError(std::errc fallback) {
    error_ = errno != 0 ? std::error_code(errno, std::generic_category())
                        : std::make_error_code(fallback);
}

bool DumpFile::Create(const std::string& path) {
    (void)Close();
    errno = 0;
    file_ = std::fopen(path.c_str(), "wb");
    if (file_ == nullptr) {
        NoteError(std::errc::permission_denied);
        return false;
    }
    return true;
}

bool DumpFile::Write(std::span<const std::uint8_t> bytes) {
    if (file_ == nullptr) {
        error_ = std::make_error_code(std::errc::bad_file_descriptor);
        return false;
    }
    errno = 0;
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file_);
    if (written != bytes.size() || std::fflush(file_) != 0) {
        NoteError(std::errc::io_error);
        return false;
    }
    if (!StillLinked(file_)) {
        error_ = std::make_error_code(std::errc::no_such_file_or_directory);
        return false;
    }
    return true;
}

bool DumpFile::Close() {
    if (file_ == nullptr) {
        return true;
    }
    errno = 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed) {
        NoteError(std::errc::io_error);
    }
    return closed;
}

} // namespace korvane

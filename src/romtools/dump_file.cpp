#include "romtools/dump_file.h"

#include <cerrno>

namespace korvane {

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

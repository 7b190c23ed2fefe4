#include "log/append_only_file.h"

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korvane {

namespace {

#ifdef _WIN32

int OpenForAppend(const std::string& path) {
    int handle = -1;
    // Others may read the log while it is open, never write it.
    if (_sopen_s(&handle, path.c_str(), _O_WRONLY | _O_CREAT | _O_APPEND | _O_BINARY | _O_NOINHERIT,
                 _SH_DENYWR, _S_IREAD | _S_IWRITE) != 0) {
        return -1;
    }
    return handle;
}

long long SizeOf(int handle) {
    return _filelengthi64(handle);
}

long long WriteSome(int handle, const char* bytes, std::size_t count) {
    constexpr std::size_t kLargestWrite = 1U << 30;
    return _write(handle, bytes,
                  static_cast<unsigned int>(count < kLargestWrite ? count : kLargestWrite));
}

bool CutBack(int handle, long long size) {
    return _chsize_s(handle, size) == 0;
}

bool PushToDevice(int handle) {
    return _commit(handle) == 0;
}

// An open file cannot be deleted here: it is not opened for sharing deletion.
bool StillLinked(int /*handle*/) {
    return true;
}

bool CloseFile(int handle) {
    return _close(handle) == 0;
}

#else

int OpenForAppend(const std::string& path) {
    // Non-blocking only while opening, so that a pipe with no reader fails instead of hanging.
    const int handle =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NONBLOCK, 0644);
    if (handle < 0) {
        return -1;
    }
    const int flags = ::fcntl(handle, F_GETFL);
    if (flags < 0 || ::fcntl(handle, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(handle);
        return -1;
    }
    return handle;
}

// The size of a regular file; -1 for anything else (devices, pipes), which cannot be cut back.
long long SizeOf(int handle) {
    struct stat info {};
    if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
        return -1;
    }
    return static_cast<long long>(info.st_size);
}

long long WriteSome(int handle, const char* bytes, std::size_t count) {
    return static_cast<long long>(::write(handle, bytes, count));
}

bool CutBack(int handle, long long size) {
    return ::ftruncate(handle, static_cast<off_t>(size)) == 0;
}

bool PushToDevice(int handle) {
    if (::fsync(handle) == 0) {
        return true;
    }
    // Devices and pipes have nothing to push.
    return errno == EINVAL || errno == EROFS;
}

// A file deleted while open still takes writes, which are then lost with it.
bool StillLinked(int handle) {
    struct stat info {};
    return ::fstat(handle, &info) == 0 && (!S_ISREG(info.st_mode) || info.st_nlink > 0);
}

bool CloseFile(int handle) {
    return ::close(handle) == 0;
}

#endif

// Read through a separate stream, as the append handle is write-only; devices, pipes and
// files that cannot be read are taken to end cleanly.
bool LastByteIsNotLineFeed(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file || file.tellg() <= 0) {
        return false;
    }
    file.seekg(-1, std::ios::end);
    char last = '\n';
    return file.get(last) && last != '\n';
}

} // namespace

AppendOnlyFile::~AppendOnlyFile() {
    Close();
}

bool AppendOnlyFile::Open(const std::string& path) {
    Close();
    handle_ = OpenForAppend(path);
    endsMidLine_ = handle_ >= 0 && LastByteIsNotLineFeed(path);
    return handle_ >= 0;
}

AppendOnlyFile::AppendResult AppendOnlyFile::Append(std::string_view bytes, bool sync) {
    if (handle_ < 0) {
        return AppendResult::NotAppended;
    }
    const long long sizeBefore = SizeOf(handle_);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const long long written = WriteSome(handle_, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            break;
        }
        done += static_cast<std::size_t>(written);
    }
    if (done < bytes.size()) {
        // Keep the file free of half-written pieces so that the next line starts clean.
        if (done > 0 && (sizeBefore < 0 || !CutBack(handle_, sizeBefore))) {
            return AppendResult::Torn;
        }
        return AppendResult::NotAppended;
    }
    if (sync && !PushToDevice(handle_)) {
        return AppendResult::NotKept;
    }
    return StillLinked(handle_) ? AppendResult::Appended : AppendResult::NotKept;
}

bool AppendOnlyFile::Close() {
    if (handle_ < 0) {
        return true;
    }
    const bool pushed = PushToDevice(handle_);
    const bool closed = CloseFile(handle_);
    handle_ = -1;
    return pushed && closed;
}

} // namespace korvane

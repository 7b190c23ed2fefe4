#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <system_error>

namespace korvane {

// The file a memory dump is written to. Every write is handed to the operating system
// at once and checked, so a full disk shows at the write that hit it, not at the end.
class DumpFile {
public:
    DumpFile() = default;
    ~DumpFile();
    DumpFile(const DumpFile&) = delete;
    DumpFile& operator=(const DumpFile&) = delete;

    // Creates the file, replacing one of that name; others may read it meanwhile. Any
    // file open before is closed first. False when it cannot be created.
    bool Create(const std::string& path);
    bool IsOpen() const { return file_ != nullptr; }

    // True when every byte reached the operating system; false for a failed or short write.
    bool Write(std::span<const std::uint8_t> bytes);

    // Closes the file; false when what was written could not be flushed or the file not
    // closed. Harmless when no file is open.
    bool Close();

    // Why the last failed operation failed.
    std::error_code LastError() const { return error_; }

private:
    void NoteError(std::errc fallback);

    std::FILE* file_ = nullptr;
    std::error_code error_;
};

} // namespace korvane

#pragma once

#include <string>
#include <string_view>

namespace korvane {

// A file opened for appending only, whose every append either reaches the file whole or
// fails visibly. Each append goes straight to the operating system (nothing is held in
// the process, so a crash of the program loses nothing already appended). New files are
// readable by everyone and writable by their owner; while the file is open, other
// programs may read it but, where the platform enforces it, not write it.
class AppendOnlyFile {
public:
    AppendOnlyFile() = default;
    ~AppendOnlyFile();
    AppendOnlyFile(const AppendOnlyFile&) = delete;
    AppendOnlyFile& operator=(const AppendOnlyFile&) = delete;

    // Opens or creates the file; an existing file keeps its content. Any file open
    // before is closed first. False when it cannot be opened.
    bool Open(const std::string& path);
    bool IsOpen() const { return handle_ >= 0; }
    // True when the file, as opened, ends in a line without its line feed: the last writer
    // was stopped mid-line (a power cut, a killed program).
    bool EndsMidLine() const { return endsMidLine_; }

    enum class AppendResult {
        Appended,    // all bytes are in the file (and on the device when asked for)
        NotAppended, // none are: a write that stopped part-way has been cut back off
        Torn,        // a write stopped part-way and the piece written could not be removed
        NotKept,     // all bytes were written, but the file was deleted meanwhile or they
                     // could not be pushed to the device
    };

    // Appends all bytes; with `sync` they are also pushed to the storage device.
    AppendResult Append(std::string_view bytes, bool sync);

    // Pushes what was appended to the storage device and closes the file. False when
    // either step failed. Harmless when no file is open.
    bool Close();

private:
    int handle_ = -1;
    bool endsMidLine_ = false;
};

} // namespace korvane

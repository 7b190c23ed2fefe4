#pragma once

#include <string>
#include <string_view>

#include "log/append_only_file.h"
#include "log/time_of_day.h"

#if defined(__GNUC__) || defined(__clang__)
#define KORVANE_PRINTF_FORMAT(formatIndex, firstArgument)                                          \
    __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define KORVANE_PRINTF_FORMAT(formatIndex, firstArgument)
#endif

namespace korvane {

// The one log of readings: a plain text file, appended to, each line headed by the UTC
// time of day as "hh:mm:ss.mmm" and the column separator. While no log is open every
// write is dropped, so callers need not test whether logging is on.
//
// A line is stamped by the first write after one that ended with a line feed: writes
// without a line feed share one line and one stamp, and text after a line feed inside
// one write starts a line that has no stamp and that the next write continues. Each
// write's text is cut to 1023 characters. Every write that completes a line pushes it
// to the storage device.
class LogFile {
public:
    explicit LogFile(UtcClock clock = SystemUtcTimeOfDay);
    ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    // Closes any log open before, then opens or creates `fileName` for appending and
    // writes the opening line "Starting log session.". The separator becomes ',' when the
    // extension of the whole path is exactly "csv", else ' '. False, with no log open,
    // when the file cannot be opened or the opening line cannot be written.
    bool Open(const std::string& fileName);

    // Closes the log; harmless when none is open. False when what was written could not
    // be pushed to the storage device or the file could not be closed (Failed() then
    // turns true).
    bool Close();

    // Formats printf-style and appends. The format must come from the program: pass
    // any outside text as an argument of "%s", or through WriteText. False when the
    // text did not reach the file: no log open, a format error, or a failed write.
    bool Write(const char* format, ...) KORVANE_PRINTF_FORMAT(2, 3);

    // Appends `text` as it is ('%' has no meaning here), cut like Write's.
    bool WriteText(std::string_view text);

    char Separator() const { return separator_; }
    bool IsOpen() const { return isOpen_; }

    // True once a write to the current (or last) log failed: a full disk, a device gone,
    // the file deleted. Lines written since may be missing from the file. Cleared by Open.
    bool Failed() const { return failed_; }

    // Longest text one write appends, after the time stamp.
    static constexpr std::size_t kMaxTextLength = 1023;

private:
    bool Append(std::string_view text);

    UtcClock clock_;
    bool isOpen_ = false;
    AppendOnlyFile file_;
    char separator_ = ' ';
    bool atLineStart_ = true;
    bool tornLine_ = false; // the file ends in a piece of a line: a failed write, a power cut
    bool failed_ = false;
};

} // namespace korvane

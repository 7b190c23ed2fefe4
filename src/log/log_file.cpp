#include "log/log_file.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <utility>

#include "text/file_name.h"

namespace korvane {

LogFile::LogFile(UtcClock clock) : clock_(std::move(clock)) {}

LogFile::~LogFile() {
    Close();
}

bool LogFile::Open(const std::string& fileName) {
    // The earlier log gets no further lines, whether or not the new one opens.
    Close();
    failed_ = false;
    if (!file_.Open(fileName)) {
        return false;
    }
    isOpen_ = true;
    // A new file starts with a new line, whatever the last write to the earlier one left,
    // and a file whose last line was cut off is given its line end first.
    atLineStart_ = true;
    tornLine_ = file_.EndsMidLine();
    std::string extension;
    separator_ = FileExtension(extension, fileName) && extension == "csv" ? ',' : ' ';
    if (!WriteText("Starting log session.\n")) {
        file_.Close();
        isOpen_ = false;
        return false;
    }
    return true;
}

bool LogFile::Close() {
    isOpen_ = false;
    if (!file_.Close()) {
        failed_ = true;
        return false;
    }
    return true;
}

bool LogFile::Write(const char* format, ...) {
    if (!isOpen_) {
        return false;
    }
    char text[kMaxTextLength + 1];
    va_list arguments;
    va_start(arguments, format);
    // The analyser does not see va_start through the macro and reports a false alarm.
    // NOLINTNEXTLINE(clang-analyzer-valist.Uninitialized)
    const int length = std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    if (length < 0) {
        return false;
    }
    return Append(std::string_view(text, std::min<std::size_t>(length, kMaxTextLength)));
}

bool LogFile::WriteText(std::string_view text) {
    if (!isOpen_) {
        return false;
    }
    return Append(text.substr(0, kMaxTextLength));
}

bool LogFile::Append(std::string_view text) {
    std::string line;
    // A piece of an earlier line that could not be removed is ended first, so that this
    // text starts on a line of its own.
    if (tornLine_) {
        line += '\n';
    }
    const bool startsLine = atLineStart_ || tornLine_;
    if (startsLine) {
        const TimeOfDay now = clock_();
        char stamp[64];
        const int length = std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d.%03d%c", now.hour,
                                         now.minute, now.second, now.millisecond, separator_);
        line.append(stamp, static_cast<std::size_t>(length > 0 ? length : 0));
    }
    line += text;
    const bool completesLine = text.find('\n') != std::string_view::npos;
    // Only a write that ends with a line feed leaves the next one at the start of a line:
    // text after a line feed is the start of a line, and a stamp there would split it.
    const bool endsLine = !text.empty() && text.back() == '\n';
    // Stamp and text go out in one piece: a reader never sees a stamp without its text.
    switch (file_.Append(line, completesLine)) {
    case AppendOnlyFile::AppendResult::Appended:
        atLineStart_ = endsLine;
        tornLine_ = false;
        return true;
    case AppendOnlyFile::AppendResult::NotKept:
        // The text is in the file, so the next line starts after it as usual.
        atLineStart_ = endsLine;
        tornLine_ = false;
        break;
    case AppendOnlyFile::AppendResult::Torn:
        tornLine_ = true;
        break;
    case AppendOnlyFile::AppendResult::NotAppended:
        break;
    }
    failed_ = true;
    return false;
}

} // namespace korvane

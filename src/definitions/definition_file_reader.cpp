#include "definitions/definition_file_reader.h"

#include "definitions/definition_text.h"
#include "definitions/message_list.h"

#include <filesystem>
#include <system_error>

namespace korvane {

void DefinitionFileReader::FileCloser::operator()(std::FILE* file) const {
    // Nothing was written, so a failing close loses nothing.
    static_cast<void>(std::fclose(file));
}

bool DefinitionFileReader::Open(const std::string& path, MessageList* messages) {
    Close();
    // A directory opens on some systems and then fails to read; a pipe or device could
    // block or never end. Only regular files are definition files.
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(path), error) || error) {
        return false;
    }
    // Binary, with CR LF folded by hand, so that every platform reads the same lines.
    file_.reset(std::fopen(path.c_str(), "rb"));
    if (!file_) {
        return false;
    }
    buffer_.resize(64 * 1024);
    EchoLine(messages, "*** Reading: " + path);
    return true;
}

void DefinitionFileReader::OpenBytes(std::string_view bytes) {
    Close();
    buffer_.assign(bytes.begin(), bytes.end());
    filled_ = buffer_.size();
}

void DefinitionFileReader::Close() {
    file_.reset();
    position_ = 0;
    filled_ = 0;
}

int DefinitionFileReader::PeekByte() {
    if (position_ == filled_) {
        if (!file_) {
            return -1;
        }
        position_ = 0;
        filled_ = std::fread(buffer_.data(), 1, buffer_.size(), file_.get());
        if (filled_ == 0) {
            // End of file or a read error: either way the file is done.
            file_.reset();
            return -1;
        }
    }
    return static_cast<unsigned char>(buffer_[position_]);
}

int DefinitionFileReader::NextByte() {
    const int byte = PeekByte();
    if (byte < 0) {
        return byte;
    }
    ++position_;
    if (byte == '\r' && PeekByte() == '\n') {
        ++position_;
        return '\n';
    }
    return byte;
}

bool DefinitionFileReader::NextLine(std::string& line) {
    for (;;) {
        line.clear();
        while (line.size() < kMaxLineBytes) {
            const int byte = NextByte();
            if (byte < 0) {
                break;
            }
            line.push_back(static_cast<char>(byte));
            if (byte == '\n') {
                break;
            }
        }
        if (line.empty()) {
            return false;
        }
        if (!IsSkippedLine(line)) {
            return true;
        }
    }
}

} // namespace korvane

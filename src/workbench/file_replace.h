#pragma once

#include <string>
#include <string_view>

namespace korvane {

// The file operations a save is made of. A test replaces one of them to make it fail.
class FileSteps {
public:
    virtual ~FileSteps() = default;
    // Creates or empties the file, writes the bytes and pushes them to the storage device.
    virtual bool WriteNew(const std::string& path, std::string_view bytes, std::string& reason);
    virtual bool Copy(const std::string& from, const std::string& to, std::string& reason);
    // Replaces `to` with `from` in one step.
    virtual bool Rename(const std::string& from, const std::string& to, std::string& reason);
    virtual void Remove(const std::string& path);
};

// Replaces the file at `path` with the bytes so that at every moment the path holds either
// the old file or the whole new one: the bytes go to "<path>.new" beside it and reach the
// device, the old file is copied to "<path>.bak", and then the new file takes its place.
// When a step fails nothing at the path has changed, "<path>.new" is gone, and the reason
// says which file could not be written and why.
bool ReplaceFileKeepingBackup(const std::string& path, std::string_view bytes, std::string& reason);
bool ReplaceFileKeepingBackup(const std::string& path, std::string_view bytes, std::string& reason,
                              FileSteps& steps);

} // namespace korvane

#pragma once

// Files the fuzz targets hand to the loaders, in a private folder of the process and
// rewritten for every input.

#include <cstdio>
#include <stdlib.h>
#include <string>

namespace fuzzing {

inline std::string FolderFile(const char* name) {
    static const std::string folder = [] {
        char pattern[] = "/tmp/korvane-fuzz-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        return std::string(made != nullptr ? made : "/tmp");
    }();
    return folder + "/" + name;
}

inline void WriteFile(const std::string& path, const std::string& content) {
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(content.data(), 1, content.size(), file);
        std::fclose(file);
    }
}

} // namespace fuzzing

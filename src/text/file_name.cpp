#include "text/file_name.h"

namespace korvane {

bool FileNamePart(std::string& part, std::string_view path) {
    std::size_t separator = path.rfind('\\');
    if (separator == std::string_view::npos) {
        separator = path.rfind('/');
    }
    part = separator == std::string_view::npos ? std::string(path)
                                               : std::string(path.substr(separator + 1));
    return part.size() > 1;
}

bool FileExtension(std::string& extension, std::string_view path) {
    extension.clear();
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == path.size()) {
        return false;
    }
    extension = path.substr(dot + 1);
    return true;
}

} // namespace korvane

#include "doctor/doctor_findings.h"

#include <cstdlib>

namespace korvane {

std::string ShownPath(const std::string& path) {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        return path;
    }
    const std::string prefix = home;
    if (path.compare(0, prefix.size(), prefix) == 0 &&
        (path.size() == prefix.size() || path[prefix.size()] == '/')) {
        return "~" + path.substr(prefix.size());
    }
    return path;
}

} // namespace korvane

#include "car_on_port.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace korvane::integration {

CarOnPort::CarOnPort() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "korvane-integration-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
        folder = pattern;
    }
}

CarOnPort::~CarOnPort() {
    if (!folder.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
}

bool CarOnPort::Start(const std::vector<std::string>& arguments) {
    std::vector<std::string> all = arguments;
    all.push_back("--trace");
    all.push_back(folder + "/trace.txt");
    return !folder.empty() && simulator.Start(all) &&
           port.Open(simulator.PtyPath(), kUnitBaudRate, kParityEven, kOneStopBit);
}

std::vector<std::string> CarOnPort::TraceEvents() const {
    std::vector<std::string> events;
    std::ifstream file(folder + "/trace.txt");
    std::string line;
    while (std::getline(file, line)) {
        const std::size_t space = line.find(' ');
        if (space != std::string::npos) {
            events.push_back(line.substr(space + 1));
        }
    }
    return events;
}

std::vector<std::string> CarOnPort::FramesReceived() const {
    std::vector<std::string> frames;
    for (const std::string& event : TraceEvents()) {
        if (event.rfind("frame ", 0) == 0) {
            frames.push_back(event.substr(6, event.find(' ', 6) - 6));
        }
    }
    return frames;
}

} // namespace korvane::integration

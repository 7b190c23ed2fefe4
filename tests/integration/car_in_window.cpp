#include "car_in_window.h"

#include "resources/control_ids.h"

#include <csignal>
#include <filesystem>

namespace korvane::integration {

CarInWindow::CarInWindow() {
    for (const char* name : {"paramdef.ini", "SelectMonitor.ini"}) {
        std::filesystem::copy_file(std::filesystem::path(KORVANE_EXAMPLES_DIR) / name,
                                   folder.Path() / name);
    }
    context.session = &session;
    context.worker = &worker;
    context.programDirectory = folder.Path().string();
}

bool CarInWindow::StartCar(const std::vector<std::string>& arguments) {
    std::vector<std::string> all = arguments;
    all.push_back("--link");
    all.push_back(sandbox.Link(1));
    car.emplace();
    return car->Start(all);
}

void CarInWindow::CreateWindow() {
    // The window reads its definition files from the working directory.
    const auto start = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    logic.OnCreate();
    std::filesystem::current_path(start);
}

void CarInWindow::KillCar() {
    if (car) {
        (void)car->Signal(SIGKILL);
        (void)car->WaitForExit(std::chrono::seconds(5));
        car.reset();
    }
}

void CarInWindow::Choose(int id, const std::string& text) {
    for (int index = 0; index < window.ComboCount(id); ++index) {
        if (window.ComboItemText(id, index) == text) {
            window.ComboSetSelection(id, index);
        }
    }
    Command(id, static_cast<int>(ComboNotification::SelEndOk));
}

} // namespace korvane::integration

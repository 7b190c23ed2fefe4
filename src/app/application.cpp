#include "app/application.h"

#include "app/about_logic.h"
#include "app/main_window_logic.h"
#include "definitions/definition_store.h"
#include "link/serial_port.h"
#include "link/thread_sleeper.h"
#include "log/log_file.h"
#include "reading/memory_tools_state.h"
#include "resources/control_ids.h"
#include "romtools/dump_dialog_logic.h"

#include <filesystem>
#include <ostream>
#include <system_error>

namespace korvane {

struct Application::Objects {
    ThreadSleeper sleeper;
    std::unique_ptr<SerialPort> port;
    std::unique_ptr<DefinitionStore> store;
    std::unique_ptr<LogFile> log;
    MemoryToolsState memoryTools;
};

Application::Application(const OwnerlessMessageBox& showMessage, std::ostream& trace)
    : objects_(std::make_unique<Objects>()) {
    std::error_code error;
    const auto directory = std::filesystem::current_path(error);
    if (!error) {
        context_.programDirectory = directory.string();
    }
    trace << "Started...\n";

    objects_->port = std::make_unique<SerialPort>();
    if (objects_->port->ProbePorts() == 0 && showMessage) {
        showMessage("Korvane startup error", "No serial ports found!\n");
    }
    objects_->store = std::make_unique<DefinitionStore>();
    objects_->log = std::make_unique<LogFile>();

    context_.serialPort = objects_->port.get();
    context_.definitions = objects_->store.get();
    context_.log = objects_->log.get();
    context_.unitChannel = objects_->port.get();
    context_.sleeper = &objects_->sleeper;
    context_.memoryTools = &objects_->memoryTools;
}

Application::~Application() {
    context_ = AppContext{};
    objects_->store.reset();
    objects_->port.reset();
    objects_->log.reset();
}

WindowLogicFactory Application::LogicFactory() {
    return MakeWindowLogicFactory(context_);
}

WindowLogicFactory MakeWindowLogicFactory(AppContext& context) {
    return [&context](int templateId, Window& window) -> std::unique_ptr<WindowLogic> {
        switch (templateId) {
        case ids::kMainTemplate:
            return std::make_unique<MainWindowLogic>(window, context);
        case ids::kAboutTemplate:
            return std::make_unique<AboutLogic>(window);
        case ids::kDumpTemplate:
            if (context.memoryTools == nullptr) {
                return nullptr;
            }
            return std::make_unique<DumpDialogLogic>(window, context, context.memoryTools->dump);
        default:
            return nullptr;
        }
    };
}

} // namespace korvane

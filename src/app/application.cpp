#include "app/application.h"

#include "app/about_logic.h"
#include "app/dump_dialog_logic.h"
#include "app/main_window_logic.h"
#include "app/unit_worker.h"
#include "reading/unit_session.h"
#include "resources/control_ids.h"

#include <filesystem>
#include <ostream>
#include <system_error>

namespace korvane {

struct Application::Objects {
    std::unique_ptr<UnitSession> session;
    InlineWorker inlineWorker;
};

Application::Application(const OwnerlessMessageBox& showMessage, std::ostream& trace)
    : objects_(std::make_unique<Objects>()) {
    std::error_code error;
    const auto directory = std::filesystem::current_path(error);
    if (!error) {
        context_.programDirectory = directory.string();
    }
    trace << "Started...\n";

    objects_->session = std::make_unique<UnitSession>();
    if (objects_->session->Port().ProbePorts() == 0 && showMessage) {
        showMessage("Korvane startup error", "No serial ports found!\n");
    }
    context_.session = objects_->session.get();
    context_.worker = &objects_->inlineWorker;
}

Application::~Application() {
    context_ = AppContext{};
    // The session destroys the store, then the port, then the log.
    objects_->session.reset();
}

UnitSession& Application::Session() {
    return *objects_->session;
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
            return std::make_unique<DumpDialogLogic>(window, context, context.dump);
        default:
            return nullptr;
        }
    };
}

} // namespace korvane

#include "app/application.h"

#include "app/unit_worker.h"
#include "reading/unit_session.h"

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

} // namespace korvane

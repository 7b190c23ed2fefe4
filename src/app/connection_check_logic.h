#pragma once

#include "app/app_context.h"
#include "app/connection_check_view.h"
#include "app/unit_worker.h"
#include "doctor/connection_doctor.h"

#include <atomic>
#include <memory>
#include <optional>
#include <string>

namespace korvane {

// The connection check dialog: runs the connection checks for the port chosen in the main
// window on the context's worker, which holds that port, and shows each check as it ends.
// Cancel stops them at the next unit or read; closing the dialog does too, at once, leaving
// the worker to end the exchange under way. Once they have ended, the support report can be
// saved. While a Read run is active the checks do not start: they would share the line with
// it.
class ConnectionCheckLogic final : public ConnectionCheckActions {
public:
    ConnectionCheckLogic(ConnectionCheckView& view, const AppContext& context, std::string portName,
                         bool readRunActive, SystemSeams system = RealSystemSeams());
    // Checks still under way stop at their next unit or read.
    ~ConnectionCheckLogic() override;
    ConnectionCheckLogic(const ConnectionCheckLogic&) = delete;
    ConnectionCheckLogic& operator=(const ConnectionCheckLogic&) = delete;

    // The dialog has been built: start the checks, or say why they cannot start.
    void OnCreate();

    void Cancel() override;
    void SaveReport() override;
    void Exit() override;

private:
    void Finished(DoctorRun run);

    ConnectionCheckView& view_;
    const AppContext& context_;
    std::string portName_;
    bool readRunActive_;
    SystemSeams system_;
    // Read by the checks on the worker.
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
    bool running_ = false;
    std::optional<DoctorRun> run_;
    std::string reportFileName_ = "korvane-report.txt";
    CompletionGuard guard_;
};

} // namespace korvane

#include "app/qt/dashboard/dashboard_feed.h"

#include "app/main_window_logic.h"
#include "app/qt/dashboard/dashboard_window.h"

namespace korvane {

void FeedDashboard(MainWindowLogic& logic, DashboardWindow& dashboard) {
    logic.ObserveRomIdViews(
        [dashboard = &dashboard](const RomIdView& group) { dashboard->ShowGroup(group); });
    logic.ObserveParameterPasses(
        [dashboard = &dashboard](const ParameterPassResult& pass, bool firstPass) {
            dashboard->AddPass(pass, firstPass);
        });
}

} // namespace korvane

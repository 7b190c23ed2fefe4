#pragma once

namespace korvane {

class DashboardWindow;
class MainWindowLogic;

// Hands the dashboard every ROM-ID group and every Read Parameters pass the main window's
// presenter shows.
void FeedDashboard(MainWindowLogic& logic, DashboardWindow& dashboard);

} // namespace korvane

#pragma once

#include "dashboard/dashboard_settings.h"

#include <QString>

namespace korvane {

// Where the dashboard keeps its settings: korvane/dashboard.ini in the user's
// configuration folder ($XDG_CONFIG_HOME, normally ~/.config; %LOCALAPPDATA% on Windows).
QString DashboardSettingsPath();

// The settings in the file; the defaults when there is none or it cannot be read.
DashboardSettings LoadDashboardSettings(const QString& path);

// Replaces the file as a whole, so a failed write leaves the one before; creates its
// folder. False with the reason when it could not.
bool SaveDashboardSettings(const QString& path, const DashboardSettings& settings, QString& error);

} // namespace korvane

#include "app/qt/dashboard/dashboard_settings_file.h"

#include "dashboard/settings_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace korvane {

QString DashboardSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/korvane/dashboard.ini");
}

DashboardSettings LoadDashboardSettings(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return ParseSettingsText(file.readAll().toStdString());
}

bool SaveDashboardSettings(const QString& path, const DashboardSettings& settings, QString& error) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        error = QStringLiteral("cannot create the folder %1").arg(QFileInfo(path).absolutePath());
        return false;
    }
    QSaveFile file(path);
    const std::string text = SettingsText(settings);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace korvane

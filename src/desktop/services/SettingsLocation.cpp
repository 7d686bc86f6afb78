#include "services/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vantrel::desktop {

QString settingsFolder(const QString& startFolder) {
    if (QFileInfo(QDir(startFolder).filePath(QStringLiteral("vantrel.cfg"))).isFile())
        return startFolder;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        return startFolder;
    const QString folder = QDir(config).filePath(QStringLiteral("vantrel"));
    return QDir().mkpath(folder) ? folder : startFolder;
}

} // namespace vantrel::desktop

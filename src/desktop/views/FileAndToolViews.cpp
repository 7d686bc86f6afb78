#include "views/FileAndToolViews.h"

#include "views/AboutView.h"
#include "binding/Binder.h"
#include "binding/ViewRegistry.h"
#include "views/CoordinateConverterView.h"
#include "views/DeleteFileView.h"
#include "views/ErrorLogView.h"
#include "views/FolderManagementView.h"
#include "views/LoadFileView.h"
#include "views/PlanetarySystemInformationView.h"
#include "views/SaveAsView.h"

#include "core/files/DeleteFile.h"
#include "core/files/FolderManagement.h"
#include "core/files/LoadFile.h"
#include "core/files/SaveAs.h"
#include "core/tools/About.h"
#include "core/tools/CoordinateConverter.h"
#include "core/tools/ErrorLog.h"
#include "core/tools/PlanetarySystemInformation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

// The resources live in the static desktop library: pull them in by name.
static void initFileWindowResources() { Q_INIT_RESOURCE(filewindows); }

namespace vantrel::desktop {

namespace {
template <typename View, typename Core> void registerView(const char* name) {
    ViewRegistry::instance().add(name, [](ui::Window& w, QWidget* parent) -> QWidget* {
        return new View(static_cast<Core&>(w), parent);
    });
}
} // namespace

void registerFileAndToolViews() {
    initFileWindowResources();
    registerView<LoadFileView, LoadFile>("LoadFile");
    registerView<SaveAsView, SaveAs>("SaveAs");
    registerView<DeleteFileView, DeleteFile>("DeleteFile");
    registerView<FolderManagementView, FolderManagement>("FolderManagement");
    registerView<PlanetarySystemInformationView, PlanetarySystemInformation>("PlanetarySystemInformation");
    registerView<CoordinateConverterView, CoordinateConverter>("CoordinateConverter");
    registerView<ErrorLogView, ErrorLog>("ErrorLog");
    registerView<AboutView, About>("About");
}

std::string helpDocumentPath() {
    // Installed, the page lies in share/vantrel beside the binary's folder; from a build tree the
    // copy bundled in the program is written out where the system viewer can open it.
    const QString installed =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/vantrel/vantrel-help.html"));
    if (QFileInfo(installed).isFile())
        return QDir::toNativeSeparators(QDir::cleanPath(installed)).toStdString();

    initFileWindowResources();
    QFile bundled(QStringLiteral(":/help/vantrel-help.html"));
    if (!bundled.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = bundled.readAll();

    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    if (!QDir().mkpath(folder))
        return {};
    const QString path = QDir(folder).filePath(QStringLiteral("vantrel-help.html"));
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == text)
        return QDir::toNativeSeparators(path).toStdString();
    existing.close();
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit())
        return {};
    return QDir::toNativeSeparators(path).toStdString();
}

} // namespace vantrel::desktop

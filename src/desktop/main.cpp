// Vantrel: the desktop editor of Orbiter scenario files.

#include "services/CommandLine.h"
#include "views/FileAndToolViews.h"
#include "services/QtServices.h"
#include "services/SettingsLocation.h"
#include "views/Views.h"

#include "core/tools/About.h"
#include "core/ui/MainMenu.h"
#include "core/files/LoadFile.h"
#include "core/platform/FileSystem.h"
#include "core/ui/Vantrel.h"
#include "core/ui/Windows.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QStyleFactory>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <memory>

namespace {

// Plays a person's part in the load window: open the folder, pick the file, press Load.
void openForPicture(vantrel::Vantrel& main, const std::string& relative) {
    using namespace vantrel;
    const std::string path = platform::withTrailingSeparator(main.state.ScnDir.caption()) + relative;
    LoadFile& load = main.windows().loadFile();
    load.load();
    load.Dir1.userOpen(platform::parentFolder(path));
    const std::string name = path.substr(platform::parentFolder(path).size() + 1);
    for (int i = 0; i < load.FilelisttoLoad.listCount(); ++i)
        if (load.FilelisttoLoad.list(i) == name)
            load.FilelisttoLoad.userSelect(i);
    load.Command1.userClick();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Qt takes the person's locale for the C library too; scenario numbers are always written
    // and read with a point, whatever the locale shows.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationVersion(QString::fromLatin1(vantrel::programVersion()));
    // Ties the windows to the installed desktop entry (its icon, on Wayland too).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantrel.Vantrel"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.vantrel.Vantrel"),
                                                 QIcon(QStringLiteral(":/icons/org.vantrel.Vantrel.png"))));

    const auto line = vantrel::desktop::CommandLine::parse(QApplication::arguments(), QDir::currentPath());
    if (line.help) {
        std::puts(vantrel::desktop::CommandLine::usage());
        return 0;
    }
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "vantrel: %s\n%s\n", qPrintable(line.error), vantrel::desktop::CommandLine::usage());
        return 2;
    }
    const QString& screenshot = line.screenshot;

    using namespace vantrel;
    desktop::QtDialogs dialogs;
    desktop::QtScreen screen;
    desktop::QtLauncher launcher;
    desktop::registerViews();

    Vantrel::Options options;
    options.startFolder = desktop::settingsFolder(QDir::currentPath()).toStdString();
    auto main = std::make_unique<Vantrel>(ui::Services{dialogs, screen, launcher}, options);
    main->mainMenu().helpDocument = desktop::helpDocumentPath();

    // The main window's view exists before start-up, hidden, so the folder search that start-up
    // may show is placed over it and its controls are bound from the first change.
    screen.setMainView(screen.viewOf(*main, true));
    main->load();
    if (!main->loaded()) {
        screen.releaseViews();
        return 0;
    }
    screen.showModeless(*main);
    if (!line.file.isEmpty())
        main->mainMenu().openFile(line.file.toStdString());

    int result = 0;
    if (!screenshot.isEmpty()) {
        if (!line.open.isEmpty())
            openForPicture(*main, line.open.toStdString());
        if (line.tab > 0)
            main->state.SSTab1.userSetCurrentTab(line.tab);
        QTimer::singleShot(300, [&] {
            QWidget* view = screen.viewOf(*main);
            if (!view || !view->grab().save(screenshot, "PNG")) {
                std::fprintf(stderr, "vantrel: could not save the picture to %s\n", qPrintable(screenshot));
                result = 1;
            }
            // Not quit(): that would ask the window to close, and closing asks to confirm Exit.
            screen.releaseViews();
            QApplication::exit(result);
        });
        QApplication::exec();
    } else {
        result = QApplication::exec();
    }
    screen.releaseViews();
    return result;
}

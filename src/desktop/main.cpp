// Vantrel: the desktop editor of Orbiter scenario files.

#include "FileAndToolViews.h"
#include "QtServices.h"
#include "Views.h"

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

void usage() {
    std::puts("Usage: vantrel [--screenshot FILE [--open SCENARIO] [--tab N]]\n"
              "  Starts the editor in the current folder, which holds the settings file vantrel.cfg.\n"
              "  --screenshot FILE  saves a picture of the main window to FILE (PNG) and quits.\n"
              "  --open SCENARIO    first opens SCENARIO (relative to the scenario folder) as the\n"
              "                     load window would, for the picture.\n"
              "  --tab N            shows tab N (1 to 3) for the picture.");
}

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
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/tree1.png")));

    QString screenshot;
    QString open;
    int tab = 0;
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--screenshot") && i + 1 < args.size()) {
            screenshot = args[++i];
        } else if (args[i] == QLatin1String("--open") && i + 1 < args.size()) {
            open = args[++i];
        } else if (args[i] == QLatin1String("--tab") && i + 1 < args.size()) {
            tab = args[++i].toInt() - 1;
        } else if (args[i] == QLatin1String("--help") || args[i] == QLatin1String("-h")) {
            usage();
            return 0;
        } else {
            std::fprintf(stderr, "vantrel: unknown argument %s\n", qPrintable(args[i]));
            usage();
            return 2;
        }
    }

    using namespace vantrel;
    desktop::QtDialogs dialogs;
    desktop::QtScreen screen;
    desktop::QtLauncher launcher;
    desktop::registerViews();

    Vantrel::Options options;
    options.startFolder = QDir::currentPath().toStdString();
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

    int result = 0;
    if (!screenshot.isEmpty()) {
        if (!open.isEmpty())
            openForPicture(*main, open.toStdString());
        if (tab > 0)
            main->state.SSTab1.userSetCurrentTab(tab);
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

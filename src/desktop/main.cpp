// Vantrel: the desktop editor of Orbiter scenario files.

#include "FileAndToolViews.h"
#include "QtServices.h"
#include "Views.h"

#include "core/ui/MainMenu.h"
#include "core/ui/Vantrel.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

void usage() {
    std::puts("Usage: vantrel [--screenshot FILE]\n"
              "  Starts the editor in the current folder, which holds the settings file vantrel.cfg.\n"
              "  --screenshot FILE  saves a picture of the main window to FILE (PNG) and quits.");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/tree1.png")));

    QString screenshot;
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--screenshot") && i + 1 < args.size()) {
            screenshot = args[++i];
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
        QTimer::singleShot(300, [&] {
            QWidget* view = screen.viewOf(*main);
            if (!view || !view->grab().save(screenshot, "PNG")) {
                std::fprintf(stderr, "vantrel: could not save the picture to %s\n", qPrintable(screenshot));
                result = 1;
            }
            QApplication::quit();
        });
        QApplication::exec();
    } else {
        result = QApplication::exec();
    }
    screen.releaseViews();
    return result;
}

// Vantrel: the desktop editor of Orbiter scenario files.

#include "services/CommandLine.h"
#include "services/QtServices.h"
#include "services/SettingsLocation.h"
#include "views/FileAndToolViews.h"
#include "views/FormExport.h"
#include "views/Views.h"

#include "core/tools/About.h"
#include "core/ui/Controls.h"
#include "core/app/MainMenu.h"
#include "core/files/LoadFile.h"
#include "core/platform/FileSystem.h"
#include "core/app/Vantrel.h"
#include "core/app/Windows.h"

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
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
    if (!line.exportForms.isEmpty()) {
        QString error;
        if (vantrel::desktop::exportForms(line.exportForms, line.file, error))
            return 0;
        std::fprintf(stderr, "vantrel: %s\n", qPrintable(error));
        return 1;
    }
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
    if (!line.screenshot.isEmpty()) {
        if (!line.open.isEmpty())
            openForPicture(*main, line.open.toStdString());
        if (line.tab > 0)
            main->state.SSTab1.userSetCurrentTab(line.tab);
        if (const qsizetype equals = line.select.indexOf(QLatin1Char('=')); equals > 0) {
            ui::Control* control = main->control(line.select.left(equals).toStdString());
            const std::string item = line.select.mid(equals + 1).toStdString();
            if (control && (control->kind() == ui::ControlKind::ComboBox || control->kind() == ui::ControlKind::ListBox)) {
                auto* list = static_cast<ui::ListControl*>(control);
                const auto& items = list->items();
                if (const auto found = std::find(items.begin(), items.end(), item); found != items.end())
                    list->userSelect(static_cast<int>(found - items.begin()));
            }
        }
        if (QScreen* where = screen.viewOf(*main)->screen())
            screen.viewOf(*main)->setGeometry(where->availableGeometry());
        if (!line.click.isEmpty())
            QTimer::singleShot(200, [&] {
                ui::Control* control = main->control(line.click.toStdString());
                // A button, or a menu command (a menu item is a button too).
                if (control && (control->kind() == ui::ControlKind::Button || control->kind() == ui::ControlKind::MenuItem))
                    static_cast<ui::Button*>(control)->userClick();
            });
        QTimer::singleShot(900, [&] {
            // The whole screen, so a message box the click opened is in the picture too.
            QWidget* view = screen.viewOf(*main);
            QPixmap picture = view ? view->screen()->grabWindow(0) : QPixmap();
            if (view && picture.isNull())
                picture = view->grab();
            if (picture.isNull() || !picture.save(line.screenshot, "PNG")) {
                std::fprintf(stderr, "vantrel: could not save the picture to %s\n", qPrintable(line.screenshot));
                result = 1;
            }
            // The views go once a box the click opened has closed and its loop is over. Not quit():
            // that would ask the window to close, and closing asks to confirm Exit.
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
            QTimer::singleShot(200, [&] {
                screen.releaseViews();
                QApplication::exit(result);
            });
        });
        QApplication::exec();
    } else {
        result = QApplication::exec();
    }
    screen.releaseViews();
    return result;
}

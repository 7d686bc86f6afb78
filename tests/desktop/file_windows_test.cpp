// The views of the scenario-file and Tools windows: every control finds its widget, and a
// person's clicks and keys in the load window reach the core.

#include "binding/Binder.h"
#include "binding/ViewRegistry.h"
#include "views/FileAndToolViews.h"
#include "views/Views.h"

#include "core/files/DeleteFile.h"
#include "core/files/FolderManagement.h"
#include "core/files/LoadFile.h"
#include "core/files/SaveAs.h"
#include "core/tools/About.h"
#include "core/tools/CoordinateConverter.h"
#include "core/tools/ErrorLog.h"
#include "core/tools/PlanetarySystemInformation.h"
#include "core/ui/ScriptedServices.h"
#include "core/app/Vantrel.h"
#include "core/app/Windows.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

using namespace vantrel;

class FileWindowsViewTest : public QObject {
    Q_OBJECT

    ui::ScriptedServices scripted;
    std::unique_ptr<Vantrel> main;

    QWidget* make(ui::Window& window) {
        QWidget* view = desktop::ViewRegistry::instance().make(window, nullptr);
        if (!view)
            return nullptr;
        view->setAttribute(Qt::WA_DeleteOnClose, false);
        return view;
    }

private slots:
    void init() {
        desktop::registerViews();
        Vantrel::Options options;
        options.orbiterFolder = VANTREL_SAMPLE_DIR;
        main = std::make_unique<Vantrel>(scripted.services(), options);
        main->cat.OrbiterFolder = std::string(VANTREL_SAMPLE_DIR) + "/";
        main->cat.ScenarioDir = "Scenarios/";
        main->state.ScnDir.setCaption(main->cat.OrbiterFolder + main->cat.ScenarioDir);
    }
    void cleanup() { main.reset(); }

    void everyWindowHasItsWidgets() {
        auto& ws = main->windows();
        for (ui::Window* window : std::initializer_list<ui::Window*>{
                 &ws.loadFile(), &ws.saveAs(), &ws.deleteFile(), &ws.folderManagement(),
                 &ws.planetarySystemInformation(), &ws.coordinateConverter(), &ws.errorLog(), &ws.about()}) {
            std::unique_ptr<QWidget> view(make(*window));
            QVERIFY2(view, window->name().c_str());
            auto* binder = view->findChild<desktop::Binder*>();
            QVERIFY(binder);
            QCOMPARE(binder->missingControls(), std::vector<std::string>{});
            QCOMPARE(view->windowTitle().toStdString(), window->caption());
        }
    }

    void loadWindowFollowsClicksAndEnter() {
        if (!QFile::exists(QStringLiteral(VANTREL_SAMPLE_DIR "/Scenarios/Welcome.scn")))
            QSKIP("the sample installation is not there");
        LoadFile& lf = main->windows().loadFile();
        lf.load();
        std::unique_ptr<QWidget> view(make(lf));
        view->show();
        auto* files = view->findChild<QListWidget*>("FilelisttoLoad");
        QVERIFY(files);
        QList<QListWidgetItem*> welcome = files->findItems(QStringLiteral("Welcome.scn"), Qt::MatchExactly);
        QCOMPARE(welcome.size(), 1);
        files->setCurrentItem(welcome.front());
        QCOMPARE(lf.FilelisttoLoad.fileName(), std::string("Welcome.scn"));
        QCoreApplication::processEvents();
        auto* description = view->findChild<QPlainTextEdit*>("Text1");
        QVERIFY(!description->toPlainText().isEmpty());
        files->setFocus();
        QTest::keyClick(files, Qt::Key_Return);
        QCOMPARE(main->state.scnfile.caption(), std::string("Welcome.scn"));
        QVERIFY(!lf.loaded());
    }

    void converterAnswersTyping() {
        CoordinateConverter& c = main->windows().coordinateConverter();
        c.load();
        std::unique_ptr<QWidget> view(make(c));
        QCOMPARE(view->findChild<QLabel*>("X")->text(), QString("43.3012701892219"));
        auto* elevation = view->findChild<QLineEdit*>("Elevation");
        elevation->selectAll();
        QTest::keyClicks(elevation, "0");
        QCoreApplication::processEvents();
        QCOMPARE(view->findChild<QLabel*>("Z")->text(), QString("0"));
    }
};

QTEST_MAIN(FileWindowsViewTest)
#include "file_windows_test.moc"

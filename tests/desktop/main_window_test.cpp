// The main window's view: every control of the core main window has its widget, the menus
// carry their captions and states, and the close box goes through Exit.

#include "binding/Binder.h"
#include "views/MainWindowView.h"
#include "views/Views.h"

#include "core/app/ScenarioWriter.h"
#include "core/files/LoadFile.h"
#include "core/app/MainMenu.h"
#include "core/platform/FileSystem.h"
#include "core/ui/ScriptedServices.h"
#include "core/app/Vantrel.h"
#include "core/app/Windows.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>

using namespace vantrel;

class MainWindowTest : public QObject {
    Q_OBJECT

    ui::ScriptedServices scripted;
    std::unique_ptr<Vantrel> main;
    std::unique_ptr<desktop::MainWindowView> view;

private slots:
    void init() {
        desktop::registerViews();
        Vantrel::Options options;
        options.orbiterFolder = VANTREL_SAMPLE_DIR;
        main = std::make_unique<Vantrel>(scripted.services(), options);
        view = std::make_unique<desktop::MainWindowView>(*main);
    }
    void cleanup() {
        view.reset();
        main.reset();
    }

    // Opens a sample scenario as a person does in the load window.
    void open(const std::string& folder, const std::string& file) {
        main->load();
        LoadFile& load = main->windows().loadFile();
        load.load();
        load.Dir1.userOpen(platform::withTrailingSeparator(main->state.ScnDir.caption()) + folder);
        for (int i = 0; i < load.FilelisttoLoad.listCount(); ++i)
            if (load.FilelisttoLoad.list(i) == file)
                load.FilelisttoLoad.userSelect(i);
        load.Command1.userClick();
        QCoreApplication::processEvents();
    }

    void everyControlHasItsWidget() {
        QCOMPARE(view->binder().missingControls(), std::vector<std::string>{});
        QCOMPARE(view->windowTitle(), QString("Vantrel"));
        // Texts and tool tips are the core's, exactly.
        for (ui::Control* c : main->controls()) {
            auto* w = qobject_cast<QWidget*>(view->binder().widgetOf(c->name()));
            if (w && !c->toolTip().empty())
                QCOMPARE(w->toolTip().toStdString(), c->toolTip());
            if (auto* label = dynamic_cast<ui::Label*>(c))
                QCOMPARE(qobject_cast<QLabel*>(w)->text().toStdString(), label->caption());
        }
    }

    void tabsInOrderAndStartPictureBeforeAnyScenario() {
        auto* tabs = view->findChild<QTabWidget*>("SSTab1");
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0), QString("Description, environment and focus"));
        QCOMPARE(tabs->tabText(1), QString("Orbital station list"));
        QCOMPARE(tabs->tabText(2), QString("Ship list"));
        view->show();
        auto* picture = view->findChild<QLabel*>("Image5");
        QVERIFY(picture->isVisible());
        QVERIFY(!picture->pixmap().isNull());
        QVERIFY(!tabs->isVisible());
        QVERIFY(!view->findChild<QLabel*>("scnfile")->isVisible());
        QVERIFY(!view->findChild<QLabel*>("CfgDir")->isVisible());

        // What a first load does to the window.
        main->state.Image5.setVisible(false);
        main->state.SSTab1.setVisible(true);
        main->state.scnfile.setCaption("Sample.scn");
        main->state.scnfile.setVisible(true);
        QCoreApplication::processEvents();
        QVERIFY(!picture->isVisible());
        QVERIFY(tabs->isVisible());
        QCOMPARE(view->findChild<QLabel*>("scnfile")->text(), QString("Sample.scn"));
    }

    void menusWithCaptionsAccessKeysAndStates() {
        const QList<QAction*> menus = view->menuBar()->actions();
        QStringList titles;
        for (QAction* a : menus)
            titles << a->text();
        QCOMPARE(titles, (QStringList{"&Files", "&Tools", "&?"}));
        QStringList items;
        for (QAction* a : menus.front()->menu()->actions())
            items << (a->isSeparator() ? QString("-") : a->text());
        QCOMPARE(items, (QStringList{"&Open", "&Save", "S&ave as", "&Delete a scenario file",
                                     "Scenario &folder management", "-", "&Exit"}));
        auto enabled = [&](const char* name) { return view->findChild<QAction*>(name)->isEnabled(); };
        QVERIFY(enabled("Menu12") && enabled("Menu11") && enabled("Menu32") && enabled("Menu22"));
        QVERIFY(!enabled("Menu13") && !enabled("Menu14") && !enabled("Menu35") && !enabled("Menu31"));
        main->menu.Menu13.setEnabled(true);
        QCoreApplication::processEvents();
        QVERIFY(enabled("Menu13"));
    }

    void commandsHaveTheUsualKeys_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("open") << "Menu12" << QKeySequence(Qt::CTRL | Qt::Key_O) << "modal LoadFile";
        QTest::newRow("save") << "Menu13" << QKeySequence(Qt::CTRL | Qt::Key_S) << "";
        QTest::newRow("save as") << "Menu14" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) << "";
        QTest::newRow("exit") << "Menu16" << QKeySequence(Qt::CTRL | Qt::Key_Q) << "";
        QTest::newRow("help") << "Menu21" << QKeySequence(Qt::Key_F1) << "";
    }
    void commandsHaveTheUsualKeys() {
        QFETCH(QString, item);
        QFETCH(QKeySequence, key);
        QFETCH(QString, outcome);
        auto* action = view->findChild<QAction*>(item);
        QVERIFY(action->shortcuts().contains(key));
        // The caption stays the core's; Qt shows the key beside it.
        QVERIFY(!action->text().contains('\t'));
        if (outcome.isEmpty())
            return;
        // The key reaches the command as the menu does.
        main->load();
        view->show();
        QVERIFY(QTest::qWaitForWindowActive(view.get()));
        QTest::keySequence(view.get(), key);
        QTRY_VERIFY(std::count(scripted.screen.log().begin(), scripted.screen.log().end(), outcome.toStdString()) == 1);
    }

    void openedScenarioShowsItsFirstStationShipAndTrees() {
        open("Earth orbit", "Meridian yard.scn");
        QVERIFY(view->findChild<QTabWidget*>("SSTab1")->isVisibleTo(view.get()));
        QCOMPARE(view->findChild<QComboBox*>("StationName")->currentText(), QString("Meridian"));
        QCOMPARE(view->findChild<QComboBox*>("ShipName")->currentText(), QString("Halcyon"));
        QCOMPARE(view->findChild<QLabel*>("ShipDockedStation")->text(), QString("Meridian"));
        // Both trees hold what the core built, and the taken port carries its ship.
        auto* docks = view->findChild<QTreeWidget*>("ShipDockedTree");
        auto* pads = view->findChild<QTreeWidget*>("ShipLandingTree");
        QVERIFY(docks && pads);
        QVERIFY(!docks->findItems(QStringLiteral("Halcyon"), Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
        QVERIFY(!pads->findItems(QStringLiteral("Earth"), Qt::MatchExactly).isEmpty());
        QCOMPARE(docks->topLevelItemCount(), pads->topLevelItemCount());
    }

    void windowKeepsItsSizeAcrossLoadsTabsAndStatuses() {
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        const QSize start = view->size();
        QCOMPARE(start, desktop::MainWindowView::defaultWindowSize);
        // Room left on a 1366x768 screen for the title bar and a panel.
        QVERIFY(start.width() <= 1366 && start.height() <= 768 - 60);
        auto check = [&](const char* when) {
            QCoreApplication::processEvents();
            QVERIFY2(view->size() == start, when);
            QVERIFY2(view->minimumSize() == QSize(800, 560), when);
            const QSize hint = view->minimumSizeHint();
            QVERIFY2(hint.width() <= 800 && hint.height() <= 560, when);
        };
        check("no scenario");
        open("Earth orbit", "Meridian yard.scn");
        check("scenario loaded");
        for (int tab : {0, 1, 2}) {
            main->state.SSTab1.userSetCurrentTab(tab);
            check("tab shown");
        }
        for (ui::OptionButton* status : {&main->shipTab.LandedShipOption, &main->shipTab.OrbitingShipOption,
                                         &main->shipTab.DockedShipOption}) {
            status->userSelect();
            check("ship status shown");
        }
        open("Earth orbit", "Crowded sky.scn");
        check("second scenario loaded");

        // At the minimum size the ship tab scrolls instead of squeezing its fields.
        view->resize(800, 560);
        main->state.SSTab1.userSetCurrentTab(2);
        QCoreApplication::processEvents();
        auto* page = view->findChild<QWidget*>("OrbitingShipOption")->parentWidget();
        while (page && !qobject_cast<QScrollArea*>(page->parentWidget()->parentWidget()))
            page = page->parentWidget();
        QVERIFY(page);
        QVERIFY(page->width() >= page->minimumSizeHint().width());
        QVERIFY(page->height() >= page->minimumSizeHint().height());
    }

    // A double-click, or Enter, on a port chooses it and leaves every row where it was, even on
    // a port that holds a ship.
    void choosingAPortLeavesTheTreeAsItWas() {
        open("Earth orbit", "Meridian yard.scn");
        view->show();
        main->state.SSTab1.userSetCurrentTab(2);
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        auto* docks = view->findChild<QTreeWidget*>("ShipDockedTree");
        QVERIFY(docks->isVisible());
        auto rows = [&] {
            // Every node on screen with its place and whether it is open.
            QStringList shown;
            for (QTreeWidgetItemIterator it(docks); *it; ++it) {
                const QRect place = docks->visualItemRect(*it);
                if (!place.isEmpty())
                    shown << QString("%1@%2%3").arg((*it)->text(0)).arg(place.top()).arg((*it)->isExpanded() ? "+" : "");
            }
            return shown;
        };
        const auto ships = docks->findItems("Halcyon", Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY(!ships.isEmpty());
        QTreeWidgetItem* port = ships.front()->parent();
        QVERIFY(port && port->isExpanded());
        docks->scrollToItem(port);
        const QStringList before = rows();

        const QPoint at = docks->visualItemRect(port).center();
        QTest::mouseClick(docks->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(docks->viewport(), Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
        QCOMPARE(rows(), before);
        QCOMPARE(docks->currentItem(), port);
        QCOMPARE(main->shipTab.ShipDockedTree.node(main->shipTab.ShipDockedTree.selected()).text,
                 port->text(0).toStdString());

        QTest::keyClick(docks, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(rows(), before);
        // An occupied port is not taken: the ship stays at its own port.
        QCOMPARE(view->findChild<QLabel*>("ShipDockedStation")->text(), QString("Meridian"));
    }

    // A scenario dropped on the window, or named on the command line, opens through Open's path:
    // the save question first, then the file from its own folder, where File/Save writes it back.
    void scenarioFromOutsideOpensFromItsOwnFolder() {
        QTemporaryDir elsewhere;
        const QString copy = elsewhere.filePath("Visiting.scn");
        QVERIFY(QFile::copy(VANTREL_SAMPLE_DIR "/Scenarios/Earth orbit/Meridian yard.scn", copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        open("Earth orbit", "Crowded sky.scn");
        view->show();

        auto drag = [&](const QString& path) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
            QCoreApplication::sendEvent(view.get(), &enter);
            if (!enter.isAccepted())
                return false;
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
            QCoreApplication::sendEvent(view.get(), &drop);
            QCoreApplication::processEvents();
            return true;
        };
        QVERIFY(!drag(elsewhere.filePath("notes.txt")));
        for (const char* name : {"Visiting.SCN", "relative.scn", "/a.b/c.scn"})
            QVERIFY(MainMenu::opensAsScenario(name));
        for (const char* name : {"Visiting.scn.txt", "scn", "/a.scn/b"})
            QVERIFY(!MainMenu::opensAsScenario(name));
        // The save question comes only with something to save.
        main->env.Description.userSetText("Edited before the drop\r\n");
        scripted.dialogs.clear();
        scripted.dialogs.queueAnswer(ui::AnswerNo);
        QVERIFY(drag(copy));
        QCOMPARE(scripted.dialogs.messages().size(), size_t(1));
        QCOMPARE(scripted.dialogs.messages()[0].text, std::string("Do you wish to save Crowded sky.scn ?"));
        QCOMPARE(main->state.scnfile.caption(), std::string("Visiting.scn"));
        QCOMPARE(main->state.ScnDir.caption(), QDir(elsewhere.path()).absolutePath().toStdString() + "/");
        QCOMPARE(main->shipTab.ShipName.text(), std::string("Halcyon"));

        main->env.Description.userSetText("Brought in from elsewhere\r\n");
        main->menu.Menu13.userClick();
        QFile saved(copy);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray written = saved.readAll();
        QVERIFY(written.contains("Brought in from elsewhere"));
        QCOMPARE(written.toStdString(), main->writer().scenarioText());

        // A file that is not there is refused with a message and changes nothing.
        scripted.dialogs.clear();
        QVERIFY(!main->mainMenu().openFile(elsewhere.filePath("Gone.scn").toStdString()));
        QCOMPARE(scripted.dialogs.messages().size(), size_t(1));
        QCOMPARE(main->state.scnfile.caption(), std::string("Visiting.scn"));
    }

    // The status bar shows the file, whether a save would change it, and for a few seconds what
    // just happened.
    void statusBarTellsTheFileItsUnsavedStateAndWhatHappened() {
        QTemporaryDir elsewhere;
        const QString copy = elsewhere.filePath("Yard.scn");
        QVERIFY(QFile::copy(VANTREL_SAMPLE_DIR "/Scenarios/Earth orbit/Meridian yard.scn", copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        main->load();
        view->show();
        QVERIFY(main->mainMenu().openFile(copy.toStdString()));
        QCoreApplication::processEvents();

        auto* path = view->findChild<QLabel*>("StatusPath");
        auto* unsaved = view->findChild<QLabel*>("StatusUnsaved");
        // The unsaved state is checked once the window has been still for a moment.
        auto shown = [&](const char* when, bool changed) {
            QCoreApplication::processEvents();
            QTRY_VERIFY2(unsaved->isVisible() == changed, when);
            QVERIFY2(path->text() == QDir(elsewhere.path()).absolutePath() + "/Yard.scn", when);
            QCOMPARE(view->windowTitle(), QString("Vantrel"));
        };
        shown("just opened", false);

        auto* description = view->findChild<QPlainTextEdit*>("Description");
        const QString before = description->toPlainText();
        description->setPlainText(before + "More");
        shown("description edited", true);
        description->setPlainText(before);
        shown("edit taken back", false);

        // A station field counts once it is validated: only then would a save write it.
        auto& station = main->stationTab;
        station.StationInclination.userSetText("0.75");
        shown("field edited, not validated", false);
        view->findChild<QPushButton*>("Command1")->click();
        shown("station validated", true);
        QCOMPARE(view->statusBar()->currentMessage(), QString::fromStdString(station.StationName.text() + " validated"));

        view->findChild<QAction*>("Menu13")->trigger();
        shown("saved", false);
        QCOMPARE(view->statusBar()->currentMessage(), "Saved " + path->text());

        view->findChild<QPushButton*>("Command4")->click();
        QCOMPARE(view->statusBar()->currentMessage(), QString("Halcyon validated"));

        // A refusal stays in the status bar once its box is gone.
        station.StationSemiMajorAxis.userSetText("far");
        view->findChild<QPushButton*>("Command1")->click();
        QCOMPARE(view->statusBar()->currentMessage(),
                 QString("Station parameter validation not accepted !: The station orbit semi-major axis is not correct."));
        shown("refused", false);

        // Loading another scenario starts unchanged again.
        description->setPlainText("Edited");
        shown("edited again", true);
        QVERIFY(main->mainMenu().openFile(copy.toStdString()));
        shown("loaded again", false);
    }

    // Every scenario of the sample, of tests/data and of the simulator's own (when ../shared/corpus
    // is there), opened and saved with File/Save without an edit, keeps its bytes.
    void untouchedSaveKeepsTheFilesBytes() {
        QStringList files;
        for (const char* root : {VANTREL_SAMPLE_DIR "/Scenarios", VANTREL_TEST_DATA_DIR, VANTREL_CORPUS_DIR}) {
            QDirIterator found(root, {"*.scn"}, QDir::Files, QDirIterator::Subdirectories);
            while (found.hasNext())
                files << found.next();
        }
        QVERIFY(files.size() > 10);
        main->load();
        view->show();
        QTemporaryDir elsewhere;
        auto* save = view->findChild<QAction*>("Menu13");
        for (const QString& file : files) {
            QFile original(file);
            QVERIFY(original.open(QIODevice::ReadOnly));
            const QByteArray bytes = original.readAll();
            const QString copy = elsewhere.filePath("Copy.scn");
            QFile::remove(copy);
            QVERIFY(QFile::copy(file, copy));
            QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
            if (!main->mainMenu().openFile(copy.toStdString()))
                continue; // refused as no scenario, as it should be
            QCoreApplication::processEvents();
            save->trigger();
            QFile saved(copy);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QVERIFY2(saved.readAll() == bytes, qPrintable(file));
        }
    }

    // A today's file that describes itself in HTML: its text beside the (empty) DESC field, with
    // the note; a file with a DESC alone hides both.
    void htmlDescriptionShowsBesideTheDescField() {
        QTemporaryDir elsewhere;
        const QString html = elsewhere.filePath("Html.scn");
        QFile sample(VANTREL_SAMPLE_DIR "/Scenarios/Earth orbit/Meridian yard.scn");
        QVERIFY(sample.open(QIODevice::ReadOnly));
        QByteArray bytes = sample.readAll();
        const qsizetype end = bytes.indexOf("END_DESC");
        QVERIFY(end > 0);
        bytes.remove(0, bytes.indexOf('\n', end) + 1);
        QFile file(html);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("BEGIN_HYPERDESC\n<h1>Yard &amp; dock</h1>\n<p>Two lines</p>\nEND_HYPERDESC\n" + bytes);
        file.close();
        main->load();
        view->show();
        QVERIFY(main->mainMenu().openFile(html.toStdString()));
        QCoreApplication::processEvents();
        auto* text = view->findChild<QLabel*>("DescriptionHtml");
        auto* note = view->findChild<QLabel*>("DescriptionHtmlNote");
        QVERIFY(text && note);
        QVERIFY(text->isVisible() && note->isVisible());
        QCOMPARE(text->text(), QString("Yard & dock\nTwo lines"));
        QCOMPARE(view->findChild<QPlainTextEdit*>("Description")->toPlainText(), QString());

        QVERIFY(main->mainMenu().openFile(VANTREL_SAMPLE_DIR "/Scenarios/Earth orbit/Meridian yard.scn"));
        QCoreApplication::processEvents();
        QVERIFY(!text->isVisible() && !note->isVisible());
    }

    void shipNameKeepsWhatIsTyped() {
        open("Earth orbit", "Meridian yard.scn");
        QCOMPARE(main->shipTab.ShipName.text(), std::string("Halcyon"));
        const std::string shown = main->shipTab.ShipIndex.caption();
        auto* edit = view->findChild<QComboBox*>("ShipName")->lineEdit();
        QVERIFY(edit);
        // A name that begins like another ship's is not completed into it, and neither Enter nor
        // leaving the field switches to the ship of that name: the edits of the shown ship stay.
        for (const char* typed : {"Te", "Tern"}) {
            edit->selectAll();
            QTest::keyClicks(edit, typed);
            QTest::keyClick(edit, Qt::Key_Return);
            emit edit->editingFinished();
            QCoreApplication::processEvents();
            QCOMPARE(main->shipTab.ShipName.text(), std::string(typed));
            QCOMPARE(main->shipTab.ShipIndex.caption(), shown);
            QCOMPARE(edit->text(), QString(typed));
        }
    }

    void tabWalksTheFieldsBeforeTheActionButtons() {
        auto chain = [&](QWidget* page) {
            QStringList names;
            for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain())
                if (!w->objectName().isEmpty())
                    names << w->objectName();
            return names;
        };
        auto* tabs = view->findChild<QTabWidget*>("SSTab1");
        const QStringList station = chain(tabs->widget(1));
        QVERIFY(station.indexOf("StationZAngle") < station.indexOf("StationSemiMajorAxis"));
        QVERIFY(station.indexOf("StationOrbitalRefMin") < station.indexOf("Command1"));
        const QStringList ship = chain(tabs->widget(2));
        QVERIFY(ship.indexOf("Command10") < ship.indexOf("LandedShipOption"));
        QVERIFY(ship.indexOf("ShipOrbitingArotZ") < ship.indexOf("Command4"));
    }

    void closeBoxAsksThroughExit() {
        main->load();
        QVERIFY(main->loaded());
        view->show();
        scripted.dialogs.clear();
        scripted.dialogs.queueAnswer(ui::AnswerNo);
        view->close();
        QTRY_COMPARE(scripted.dialogs.messages().size(), size_t(1));
        QCOMPARE(scripted.dialogs.messages()[0].title, std::string("Exit confirmation"));
        QVERIFY(view->isVisible());
        QVERIFY(main->loaded());

        scripted.dialogs.queueAnswer(ui::AnswerYes);
        view->close();
        QTRY_VERIFY(!main->loaded());
        // The scripted screen only unloads; once unloaded, the close box closes.
        QVERIFY(view->close());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

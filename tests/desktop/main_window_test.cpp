// The main window's view: every control of the core main window has its widget, the menus
// carry their captions and states, and the close box goes through Exit.

#include "Binder.h"
#include "MainWindowView.h"
#include "Views.h"

#include "core/files/LoadFile.h"
#include "core/platform/FileSystem.h"
#include "core/ui/ScriptedServices.h"
#include "core/ui/Vantrel.h"
#include "core/ui/Windows.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

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

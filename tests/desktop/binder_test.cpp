// The binder: a person's action on a widget raises the control's event once and updates the
// control; a change of the control shows on the widget after one turn of the event loop.

#include "binding/Binder.h"
#include "binding/DisplayText.h"

#include "core/ui/Controls.h"
#include "core/ui/FileControls.h"
#include "core/ui/TreeView.h"
#include "core/ui/Window.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace vantrel;
using namespace vantrel::desktop;

namespace {

struct Counted {
    int count = 0;
    ui::Event counter() {
        return [this] { ++count; };
    }
};

class TestWindow : public ui::Window {
public:
    TestWindow() : ui::Window("TestWindow", "Test window") {
        add(Caption, Ok, Name, Notes, Choice, Editable, Entries, Lock, Frame1, First, Second, Level, Day, Bodies,
            Files, Folders, Menu1);
    }
    ui::Label Caption{"Caption", "Caption text"};
    ui::Button Ok{"Ok", "&OK"};
    ui::TextField Name{"Name"};
    ui::TextField Notes{"Notes", true};
    ui::ComboBox Choice{"Choice"};
    ui::ComboBox Editable{"Editable", true};
    ui::ListBox Entries{"Entries"};
    ui::CheckBox Lock{"Lock", "Lock"};
    ui::Frame Frame1{"Frame1", "Status"};
    ui::OptionGroup group;
    ui::OptionButton First{"First", "First", group};
    ui::OptionButton Second{"Second", "Second", group};
    ui::Slider Level{"Level", 0, 100};
    ui::MonthCalendar Day{"Day"};
    ui::TreeView Bodies{"Bodies"};
    ui::FileList Files{"Files", "*.scn"};
    ui::FolderList Folders{"Folders"};
    ui::MenuItem Menu1{"Menu1", "&Open"};
};

template <typename W> W* add(QWidget* root, const char* name) {
    auto* w = new W(root);
    w->setObjectName(QString::fromLatin1(name));
    root->layout()->addWidget(w);
    return w;
}

} // namespace

class BinderTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindow> w;
    std::unique_ptr<QWidget> root;
    Binder* binder = nullptr;

    template <typename W> W* widget(const char* name) { return root->findChild<W*>(QString::fromLatin1(name)); }

private slots:
    void init() {
        w = std::make_unique<TestWindow>();
        root = std::make_unique<QWidget>();
        new QVBoxLayout(root.get());
        add<QLabel>(root.get(), "Caption");
        add<QPushButton>(root.get(), "Ok");
        add<QLineEdit>(root.get(), "Name");
        add<QPlainTextEdit>(root.get(), "Notes");
        add<QComboBox>(root.get(), "Choice");
        add<QComboBox>(root.get(), "Editable")->setEditable(true);
        add<QListWidget>(root.get(), "Entries");
        add<QCheckBox>(root.get(), "Lock");
        add<QGroupBox>(root.get(), "Frame1");
        add<QRadioButton>(root.get(), "First");
        add<QRadioButton>(root.get(), "Second");
        add<QSlider>(root.get(), "Level")->setOrientation(Qt::Horizontal);
        add<QCalendarWidget>(root.get(), "Day");
        add<QTreeWidget>(root.get(), "Bodies");
        add<QListWidget>(root.get(), "Files");
        add<QListWidget>(root.get(), "Folders");
        auto* action = new QAction(root.get());
        action->setObjectName("Menu1");
        root->addAction(action);
        binder = new Binder(*w, root.get(), root.get());
        root->resize(640, 2400);
        root->show();
    }

    void cleanup() {
        root.reset();
        w.reset();
    }

    void everyControlFindsItsWidget() {
        QVERIFY(binder->missingControls().empty());
        QCOMPARE(widget<QLabel>("Caption")->text(), QString("Caption text"));
        QCOMPARE(widget<QPushButton>("Ok")->text(), QString("&OK"));
        QCOMPARE(root->windowTitle(), QString("Test window"));

        // A widget of another kind does not stand in for a control.
        TestWindow other;
        QWidget empty;
        new QVBoxLayout(&empty);
        add<QLineEdit>(&empty, "Caption");
        Binder partial(other, &empty);
        QCOMPARE(partial.missingControls().size(), other.controls().size());
    }

    void typingRaisesChangePerEditAndEnterAsKey13() {
        Counted changes;
        std::vector<int> keys;
        w->Name.onChange = changes.counter();
        w->Name.onKeyPress = [&](int k) { keys.push_back(k); };
        QTest::keyClicks(widget<QLineEdit>("Name"), "Io");
        QCOMPARE(changes.count, 2);
        QCOMPARE(w->Name.text(), std::string("Io"));
        QTest::keyClick(widget<QLineEdit>("Name"), Qt::Key_Return);
        QCOMPARE(keys, (std::vector<int>{'I', 'o', 13}));

        // Text set by the program shows after one turn and is not taken for an edit.
        w->Name.setText("Callisto");
        QCOMPARE(changes.count, 3);
        QCOMPARE(widget<QLineEdit>("Name")->text(), QString("Io"));
        QCoreApplication::processEvents();
        QCOMPARE(widget<QLineEdit>("Name")->text(), QString("Callisto"));
        QCOMPARE(changes.count, 3);
    }

    void multiLineFieldKeepsCrLfInTheControl() {
        w->Notes.setText("first\r\nsecond\r\n");
        QCoreApplication::processEvents();
        QCOMPARE(widget<QPlainTextEdit>("Notes")->toPlainText(), QString("first\nsecond\n"));
        QTest::keyClicks(widget<QPlainTextEdit>("Notes"), "x");
        QVERIFY(w->Notes.text().find("\r\n") != std::string::npos);
        QVERIFY(w->Notes.text().find("x") != std::string::npos);
        QVERIFY(w->Notes.text().find('\n') == w->Notes.text().find("\r\n") + 1);
    }

    void pickingAComboEntryClicksOnce() {
        Counted clicks;
        w->Choice.onClick = clicks.counter();
        for (const char* s : {"Sol", "Alpha Centauri", "Barnard"})
            w->Choice.addItem(s);
        QCoreApplication::processEvents();
        auto* combo = widget<QComboBox>("Choice");
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->currentIndex(), -1);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(clicks.count, 1);
        QCOMPARE(w->Choice.listIndex(), combo->currentIndex());
        QCOMPARE(w->Choice.text(), combo->currentText().toStdString());

        // Cleared by the program: empty list, empty text, no click.
        w->Choice.clear();
        QCoreApplication::processEvents();
        QCOMPARE(combo->count(), 0);
        QCOMPARE(combo->currentText(), QString());
        QCOMPARE(clicks.count, 1);
    }

    void typingIntoAnEditableComboLosesTheSelection() {
        w->Editable.addItem("Luna-OB1");
        w->Editable.setListIndex(0);
        QCoreApplication::processEvents();
        auto* combo = widget<QComboBox>("Editable");
        QCOMPARE(combo->currentText(), QString("Luna-OB1"));
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), "ISS");
        QCOMPARE(w->Editable.text(), std::string("ISS"));
        QCOMPARE(w->Editable.listIndex(), -1);
        QCOMPARE(w->Editable.listCount(), 1);
    }

    void buttonsChecksOptionsAndSliders() {
        Counted ok, lock, second, level, menu;
        w->Ok.onClick = ok.counter();
        w->Lock.onClick = lock.counter();
        w->Second.onClick = second.counter();
        w->Level.onChange = level.counter();
        w->Menu1.onClick = menu.counter();

        QTest::mouseClick(widget<QPushButton>("Ok"), Qt::LeftButton);
        QCOMPARE(ok.count, 1);
        w->Ok.setEnabled(false);
        QCoreApplication::processEvents();
        QVERIFY(!widget<QPushButton>("Ok")->isEnabled());

        QTest::mouseClick(widget<QCheckBox>("Lock"), Qt::LeftButton, {}, QPoint(6, widget<QCheckBox>("Lock")->height() / 2));
        QCOMPARE(lock.count, 1);
        QCOMPARE(w->Lock.value(), 1);
        QVERIFY(widget<QCheckBox>("Lock")->isChecked());

        w->First.setValue(true);
        QCoreApplication::processEvents();
        QVERIFY(widget<QRadioButton>("First")->isChecked());
        QTest::mouseClick(widget<QRadioButton>("Second"), Qt::LeftButton, {}, QPoint(6, widget<QRadioButton>("Second")->height() / 2));
        QCOMPARE(second.count, 1);
        QVERIFY(!w->First.value());
        QVERIFY(!widget<QRadioButton>("First")->isChecked());
        // The program may clear every option of a frame.
        w->Second.setValue(false);
        QCoreApplication::processEvents();
        QVERIFY(!widget<QRadioButton>("Second")->isChecked());

        auto* slider = widget<QSlider>("Level");
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(level.count, 1);
        QCOMPARE(w->Level.value(), 1);
        w->Level.setValue(70);
        QCoreApplication::processEvents();
        QCOMPARE(slider->value(), 70);
        QCOMPARE(level.count, 1);

        root->findChild<QAction*>("Menu1")->trigger();
        QCOMPARE(menu.count, 1);
    }

    void calendarWithoutDateTakesThePersonsDay() {
        Counted changes;
        w->Day.onChange = changes.counter();
        auto* calendar = widget<QCalendarWidget>("Day");
        w->Day.setDate(45000);
        QCoreApplication::processEvents();
        QCOMPARE(calendar->selectedDate(), QDate(1899, 12, 30).addDays(45000));
        calendar->setFocus();
        QTest::keyClick(calendar->findChild<QAbstractItemView*>(), Qt::Key_Right);
        QCOMPARE(changes.count, 1);
        QCOMPARE(*w->Day.date(), 45001);
        w->Day.setDate(std::nullopt);
        QCoreApplication::processEvents();
        QCOMPARE(changes.count, 1);
    }

    void treeIsFilledInOneRefreshAndDoubleClickPicksANode() {
        Counted dbl;
        w->Bodies.onDblClick = dbl.counter();
        const int earth = w->Bodies.add(0, "Earth", 1);
        w->Bodies.add(earth, "   Moon", 2);
        for (int i = 0; i < 40000; ++i)
            w->Bodies.add(earth, "Landing pad " + std::to_string(i), 5);
        w->Bodies.expand(earth);
        auto* tree = widget<QTreeWidget>("Bodies");
        QCOMPARE(tree->topLevelItemCount(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(tree->topLevelItemCount(), 1);
        QTreeWidgetItem* top = tree->topLevelItem(0);
        QCOMPARE(top->childCount(), 40001);
        QVERIFY(top->isExpanded());
        QVERIFY(!top->icon(0).isNull());

        QTreeWidgetItem* moon = top->child(0);
        tree->scrollToItem(moon);
        const QRect rect = tree->visualItemRect(moon);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(dbl.count, 1);
        QCOMPARE(w->Bodies.selected(), 2);
        // Enter on the current node chooses it as a double-click does.
        QTest::keyClick(tree, Qt::Key_Return);
        QCOMPARE(dbl.count, 2);

        // Removing nodes renumbers them; the widget follows.
        w->Bodies.remove(2);
        QCoreApplication::processEvents();
        QCOMPARE(tree->topLevelItem(0)->childCount(), 40000);
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QString("Landing pad 0"));
    }

    void oneChangedEntryOrMovedNodeIsShownAsARebuildWouldShowIt() {
        // Lists: one entry replaced; the widget keeps the others and shows the new text.
        std::vector<std::string> names;
        for (int i = 0; i < 500; ++i)
            names.push_back("Ship " + std::to_string(i));
        w->Choice.setItems(names);
        w->Entries.setItems(names);
        QCoreApplication::processEvents();
        auto* combo = widget<QComboBox>("Choice");
        auto* rows = widget<QListWidget>("Entries");
        w->Choice.setItem(250, "Renamed");
        w->Entries.setItem(250, "Renamed");
        w->Choice.setListIndex(250);
        QCoreApplication::processEvents();
        QCOMPARE(combo->count(), 500);
        QCOMPARE(combo->itemText(250), QString("Renamed"));
        QCOMPARE(combo->currentIndex(), 250);
        QCOMPARE(rows->item(250)->text(), QString("Renamed"));
        QCOMPARE(rows->item(249)->text(), QString("Ship 249"));

        // Trees: a leaf moved under another parent goes among its new siblings in position order.
        auto& t = w->Bodies;
        const int earth = t.add(0, "Earth", 1);
        const int padA = t.add(earth, "Pad A", 5);
        const int padB = t.add(earth, "Pad B", 5);
        const int first = t.add(padB, "First", 7);
        const int ship = t.add(padA, "Mover", 7);
        t.add(padB, "Last", 7);
        QCoreApplication::processEvents();
        auto* tree = widget<QTreeWidget>("Bodies");
        QTreeWidgetItem* top = tree->topLevelItem(0);
        QCOMPARE(top->child(0)->childCount(), 1);
        QVERIFY(t.moveLeaf(ship, padB, "Moved"));
        t.expand(padB);
        QCoreApplication::processEvents();
        QCOMPARE(top->child(0)->childCount(), 0);
        QTreeWidgetItem* b = top->child(1);
        QCOMPARE(b->childCount(), 3);
        QCOMPARE(b->child(0)->text(0), QString("First"));
        QCOMPARE(b->child(1)->text(0), QString("Moved"));
        QCOMPARE(b->child(2)->text(0), QString("Last"));
        QVERIFY(b->isExpanded());
        Q_UNUSED(first);

        // After a change of structure the whole tree is shown again, the moved node included.
        t.remove(first);
        QCoreApplication::processEvents();
        QCOMPARE(tree->topLevelItem(0)->child(1)->childCount(), 2);
        QCOMPARE(tree->topLevelItem(0)->child(1)->child(0)->text(0), QString("Moved"));
    }

    void fileAndFolderListsFollowTheFolder() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("Delta Glider"));
        for (const char* name : {"b.scn", "A.scn", "notes.txt"}) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        Counted clicks, changes, dbl;
        w->Files.onClick = clicks.counter();
        w->Files.onDblClick = dbl.counter();
        w->Folders.onChange = changes.counter();
        w->Files.setPath(dir.path().toStdString());
        w->Folders.setPath(dir.path().toStdString());
        QCoreApplication::processEvents();
        auto* files = widget<QListWidget>("Files");
        QCOMPARE(files->count(), 2);
        QCOMPARE(files->item(0)->text(), QString("A.scn"));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(1)).center());
        QCOMPARE(clicks.count, 1);
        QCOMPARE(w->Files.fileName(), std::string("b.scn"));
        QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(1)).center());
        QCOMPARE(dbl.count, 1);

        auto* folders = widget<QListWidget>("Folders");
        QListWidgetItem* sub = folders->item(folders->count() - 1);
        QVERIFY(sub->text().endsWith("Delta Glider"));
        QCOMPARE(changes.count, 1);
        folders->scrollToItem(sub);
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(sub).center());
        QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(sub).center());
        QCOMPARE(changes.count, 2);
        QVERIFY(QString::fromStdString(w->Folders.path()).endsWith("/Delta Glider"));

        // A window that refuses the folder opened puts its path back: the highlight follows.
        const std::string inside = w->Folders.path();
        w->Folders.onChange = [&] {
            if (w->Folders.path() != inside)
                w->Folders.setPath(inside);
        };
        QListWidgetItem* up = folders->item(folders->count() - 2);
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(up).center());
        QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(up).center());
        QCoreApplication::processEvents();
        QCOMPARE(w->Folders.path(), inside);
        QVERIFY(folders->currentItem()->text().endsWith("Delta Glider"));
    }

    void displayTextRoundTrip_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ascii") << QByteArray("Sol") << QString("Sol");
        QTest::newRow("utf-8") << QByteArray("Ob\xC3\xA9ron") << QString::fromUtf8("Obéron");
        QTest::newRow("windows-1252") << QByteArray("Ob\xE9ron \x80\x96") << QString::fromUtf8("Obéron €–");
        QTest::newRow("undefined 1252 byte") << QByteArray("a\x81z") << QString::fromUtf16(u"a\u0081z");
        QTest::newRow("truncated utf-8") << QByteArray("\xC3") << QString::fromUtf8("Ã");
        QTest::newRow("overlong utf-8") << QByteArray("\xC0\xAF") << QString::fromUtf8("À¯");
        QTest::newRow("surrogate in utf-8") << QByteArray("\xED\xA0\x80") << QString::fromUtf8("í\u00A0€");
    }

    void displayTextRoundTrip() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        const std::string original = bytes.toStdString();
        QCOMPARE(toDisplay(original), shown);
        QCOMPARE(fromDisplay(toDisplay(original), original), original);
    }

    void editedTextKeepsItsCodePage() {
        // An edit of a Windows-1252 name stays Windows-1252; one that cannot, becomes UTF-8.
        QCOMPARE(fromDisplay(QString::fromUtf8("Obérons"), "Ob\xE9ron"), std::string("Ob\xE9rons"));
        QCOMPARE(fromDisplay(QString::fromUtf8("Obéron ✓"), "Ob\xE9ron"), std::string("Ob\xC3\xA9ron \xE2\x9C\x93"));
        QCOMPARE(fromDisplay(QString::fromUtf8("é"), "e"), std::string("\xC3\xA9"));
        QCOMPARE(fromDisplayLines("a\nb", ""), std::string("a\r\nb"));
        QCOMPARE(toDisplayLines("a\r\nb\rc"), QString("a\nb\nc"));
    }
};

QTEST_MAIN(BinderTest)
#include "binder_test.moc"

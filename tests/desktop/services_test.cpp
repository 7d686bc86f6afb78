// The Qt services: message boxes with the buttons and icons of each style, input boxes, modal
// windows shown through the view registry, the busy pointer.

#include "binding/Binder.h"
#include "binding/ViewRegistry.h"
#include "services/QtServices.h"

#include "core/ui/Controls.h"
#include "core/ui/Window.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

using namespace vantrel;
using namespace vantrel::desktop;

namespace {

// Runs once the next modal box is up.
void whenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            whenModal(act);
            return;
        }
        act(modal);
    });
}

class Tool : public ui::Window {
public:
    Tool() : ui::Window("Tool", "Tool") { add(Close); }
    ui::Button Close{"Close", "Close"};
    int loads = 0, unloads = 0;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
};

} // namespace

class ServicesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        ViewRegistry::instance().add("Tool", [](ui::Window& w, QWidget* parent) -> QWidget* {
            auto* dialog = new QDialog(parent);
            auto* layout = new QVBoxLayout(dialog);
            auto* button = new QPushButton(dialog);
            button->setObjectName("Close");
            layout->addWidget(button);
            new Binder(w, dialog, dialog);
            return dialog;
        });
    }

    void messageBoxStyles_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("answer");
        QTest::newRow("0") << 0 << int(QMessageBox::NoIcon) << QStringList{"OK"} << "OK" << 1;
        QTest::newRow("16") << 16 << int(QMessageBox::Critical) << QStringList{"OK"} << "OK" << 1;
        QTest::newRow("33 ok") << 33 << int(QMessageBox::Question) << QStringList{"OK", "Cancel"} << "OK" << 1;
        QTest::newRow("33 cancel") << 33 << int(QMessageBox::Question) << QStringList{"OK", "Cancel"} << "Cancel"
                                   << 2;
        QTest::newRow("36 yes") << 36 << int(QMessageBox::Question) << QStringList{"Yes", "No"} << "Yes" << 6;
        QTest::newRow("36 no") << 36 << int(QMessageBox::Question) << QStringList{"Yes", "No"} << "No" << 7;
        QTest::newRow("36 escape") << 36 << int(QMessageBox::Question) << QStringList{"Yes", "No"} << "" << 7;
        const QStringList three{"Yes", "No", "Cancel"};
        QTest::newRow("35 yes") << 35 << int(QMessageBox::Question) << three << "Yes" << 6;
        QTest::newRow("35 no") << 35 << int(QMessageBox::Question) << three << "No" << 7;
        QTest::newRow("35 escape") << 35 << int(QMessageBox::Question) << three << "" << 2;
        QTest::newRow("48") << 48 << int(QMessageBox::Warning) << QStringList{"OK"} << "OK" << 1;
        QTest::newRow("64") << 64 << int(QMessageBox::Information) << QStringList{"OK"} << "OK" << 1;
    }

    void messageBoxStyles() {
        QFETCH(int, style);
        QFETCH(int, icon);
        QFETCH(QStringList, buttons);
        QFETCH(QString, press);
        QFETCH(int, answer);
        QString title;
        int shownIcon = -1;
        QStringList shownButtons;
        whenModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            title = box->windowTitle();
            shownIcon = box->icon();
            for (QAbstractButton* b : box->buttons())
                shownButtons << b->text().remove('&');
            if (press.isEmpty()) {
                QTest::keyClick(box, Qt::Key_Escape);
                return;
            }
            for (QAbstractButton* b : box->buttons())
                if (b->text().remove('&') == press)
                    b->click();
        });
        QtDialogs dialogs;
        QCOMPARE(dialogs.msgBox("Text", style), answer);
        QCOMPARE(title, QString("Vantrel"));
        QCOMPARE(shownIcon, icon);
        shownButtons.sort();
        buttons.sort();
        QCOMPARE(shownButtons, buttons);
    }

    void inputBoxGivesTextOrEmptyWhenCancelled() {
        QtDialogs dialogs;
        whenModal([](QWidget* w) {
            auto* input = qobject_cast<QInputDialog*>(w);
            input->setTextValue("Apollo 11");
            input->accept();
        });
        QCOMPARE(dialogs.inputBox("Name?", "Folder", "x"), std::string("Apollo 11"));
        whenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
        QCOMPARE(dialogs.inputBox("Name?", "Folder", "x"), std::string());
    }

    void modalWindowRunsUntilTheProgramUnloadsIt() {
        QtScreen screen;
        Tool tool;
        tool.Close.onClick = [&] { screen.unload(tool); };
        whenModal([](QWidget* w) { w->findChild<QPushButton*>("Close")->click(); });
        screen.showModal(tool);
        QCOMPARE(tool.loads, 1);
        QCOMPARE(tool.unloads, 1);
        QVERIFY(!tool.loaded());

        // The close box (or Escape) unloads it too.
        whenModal([](QWidget* w) { w->close(); });
        screen.showModal(tool);
        QCOMPARE(tool.loads, 2);
        QCOMPARE(tool.unloads, 2);

        // Hidden by the program: the call returns and the window stays loaded.
        tool.Close.onClick = [&] { screen.hide(tool); };
        whenModal([](QWidget* w) { w->findChild<QPushButton*>("Close")->click(); });
        screen.showModal(tool);
        QVERIFY(tool.loaded());
        screen.unload(tool);
        QCOMPARE(tool.unloads, 3);
    }

    void windowWithoutViewIsReportedNotShown() {
        QtScreen screen;
        ui::Window unknown("Unknown", "Unknown window");
        QString text;
        whenModal([&](QWidget* w) {
            text = qobject_cast<QMessageBox*>(w)->text();
            qobject_cast<QMessageBox*>(w)->accept();
        });
        screen.showModal(unknown);
        QVERIFY(text.contains("Unknown window"));
    }

    void busyPointerNestsAndRestores() {
        QtScreen screen;
        {
            ui::BusyPointer outer(screen);
            ui::BusyPointer inner(screen);
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QVERIFY(!QApplication::overrideCursor());
        screen.setBusy(false); // unbalanced: ignored
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(ServicesTest)
#include "services_test.moc"

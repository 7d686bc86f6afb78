// The forms the Windows program places its controls by, as the Qt views lay them out: every
// control has its place, inside its window, and the frames that take turns share one place.

#include "views/FormExport.h"

#include "core/app/Vantrel.h"
#include "core/ui/FormDescription.h"
#include "core/ui/ScriptedServices.h"
#include "core/ui/Window.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vantrel;

class FormExportTest : public QObject {
    Q_OBJECT

private:
    std::vector<ui::FormDescription> forms_;

private slots:
    void initTestCase() {
        QTemporaryDir dir;
        const QString path = dir.filePath("forms.txt");
        QString error;
        QVERIFY2(desktop::exportForms(path, {}, error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        forms_ = ui::readForms(std::string_view(text.constData(), size_t(text.size())));
    }

    void everyControlHasOnePlaceInsideItsWindow() {
        ui::ScriptedDialogs dialogs;
        ui::ScriptedScreen screen;
        ui::ScriptedLauncher launcher;
        Vantrel main(ui::Services{dialogs, screen, launcher}, Vantrel::Options{});
        const auto windows = desktop::programWindows(main);
        QCOMPARE(forms_.size(), windows.size());
        for (size_t i = 0; i < windows.size(); ++i) {
            const ui::FormDescription& form = forms_[i];
            QCOMPARE(form.window, windows[i]->name());
            QVERIFY(form.width > 0 && form.height > 0);
            for (const ui::Control* control : windows[i]->controls()) {
                // Menus are the menu bar's, and the findings count lives in the status bar.
                if (control->kind() == ui::ControlKind::MenuItem || control->name() == "FindingsCount")
                    continue;
                const QString where = QString::fromStdString(form.window + "." + control->name());
                const auto count = std::count_if(form.items.begin(), form.items.end(),
                                                 [&](const ui::FormItem& item) { return item.name == control->name(); });
                QVERIFY2(count == 1, qPrintable(where));
                const ui::FormItem& item = *form.item(control->name());
                if (item.place == "-")
                    continue;
                QVERIFY2(item.width > 0 && item.height > 0, qPrintable(where));
                QVERIFY2(item.x >= 0 && item.y >= 0, qPrintable(where));
                // Tab pages scroll; the window itself does not.
                QVERIFY2(item.x + item.width <= form.width, qPrintable(where));
                QVERIFY2(!item.place.empty() || item.y + item.height <= form.height, qPrintable(where));
            }
        }
    }

    void framesTakingTurnsShareOnePlace_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("start picture and tabs") << "Image5" << "SSTab1";
        QTest::newRow("landed and docked") << "Landed" << "Docked";
        QTest::newRow("landed and orbiting") << "Landed" << "Orbiting";
        QTest::newRow("vector and elements") << "Frame10" << "Frame13";
    }
    void framesTakingTurnsShareOnePlace() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        const ui::FormItem* a = forms_.at(0).item(first.toStdString());
        const ui::FormItem* b = forms_.at(0).item(second.toStdString());
        QVERIFY(a && b);
        QCOMPARE(a->place, b->place);
        QCOMPARE(a->x, b->x);
        QCOMPARE(a->y, b->y);
        // A turn is described as it shows: the docked tree fills the frame as the landing tree does.
        if (first == "Landed" && second == "Docked")
            QCOMPARE(forms_.at(0).item("ShipDockedTree")->height, forms_.at(0).item("ShipLandingTree")->height);
    }

    void staticTextsKeepTheirWords() {
        int statics = 0;
        for (const ui::FormItem& item : forms_.at(0).items)
            if (item.widget == "static") {
                QVERIFY(item.name.empty());
                QVERIFY(!item.text.empty());
                ++statics;
            }
        QVERIFY(statics >= 2); // "h" and "mn" beside the scenario's hour and minute
    }
};

QTEST_MAIN(FormExportTest)
#include "form_export_test.moc"

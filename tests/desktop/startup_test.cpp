// What the program takes from where it starts: the file named on its command line and the
// folder of its settings file.

#include "services/CommandLine.h"
#include "services/SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vantrel;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void commandLineNamesTheFileToOpen_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("refused");
        QTest::newRow("none") << QStringList{} << "" << false;
        QTest::newRow("relative") << QStringList{"Earth orbit/a.scn"} << "/start/Earth orbit/a.scn" << false;
        QTest::newRow("absolute") << QStringList{"/data/../b.scn"} << "/b.scn" << false;
        QTest::newRow("with a picture") << QStringList{"--screenshot", "x.png", "c.scn", "--tab", "3"}
                                        << "/start/c.scn" << false;
        QTest::newRow("a ship picked") << QStringList{"--screenshot", "x.png", "--select", "ShipName=GL-02", "d.scn"}
                                       << "/start/d.scn" << false;
        QTest::newRow("two files") << QStringList{"a.scn", "b.scn"} << "/start/a.scn" << true;
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << "" << true;
    }
    void commandLineNamesTheFileToOpen() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QFETCH(bool, refused);
        const auto line = desktop::CommandLine::parse(QStringList{"vantrel"} + arguments, "/start");
        QCOMPARE(line.file, file);
        QCOMPARE(!line.error.isEmpty(), refused);
    }

    // The settings file of the folder the program starts from wins (./run writes one there);
    // otherwise it lives in the person's configuration folder, whatever the start folder.
    void settingsFileLivesInTheStartFolderOrTheConfigurationFolder() {
        QTemporaryDir home;
        const QByteArray before = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath("config").toUtf8());
        QVERIFY(QDir(home.path()).mkpath("start"));
        const QString start = QDir(home.path()).filePath("start");
        const QString config = QDir(home.path()).filePath("config/vantrel");

        QCOMPARE(desktop::settingsFolder(start), config);
        QVERIFY(QDir(config).exists());

        QFile local(QDir(start).filePath("vantrel.cfg"));
        QVERIFY(local.open(QIODevice::WriteOnly));
        local.close();
        QCOMPARE(desktop::settingsFolder(start), start);

        // A folder of that name is not a settings file.
        QVERIFY(local.remove());
        QVERIFY(QDir(start).mkdir("vantrel.cfg"));
        QCOMPARE(desktop::settingsFolder(start), config);

        // A configuration folder that cannot be made leaves the settings in the start folder.
        QFile blocker(QDir(home.path()).filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_CONFIG_HOME", blocker.fileName().toUtf8());
        QCOMPARE(desktop::settingsFolder(start), start);

        if (before.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", before);
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "startup_test.moc"

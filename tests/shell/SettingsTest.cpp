// The reports directory in the per-user settings store.
#include "TestHome.h"
#include "shell/ReportsDirectory.h"

#include <QSettings>
#include <QtTest>

using namespace arvenna;

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void reportsDirectoryRoundTrip()
    {
        TestHome home;
        QSettings store(home.file(QStringLiteral("settings.ini")), QSettings::IniFormat);
        QCOMPARE(readRepsDirectory(store, QStringLiteral("/opt/arvenna")), QStringLiteral("/opt/arvenna"));
        saveRepsDirectory(store, QStringLiteral("/home/player/reports/"));
        QCOMPARE(readRepsDirectory(store, QStringLiteral("/opt/arvenna")), QStringLiteral("/home/player/reports"));

        QSettings reread(home.file(QStringLiteral("settings.ini")), QSettings::IniFormat);
        QCOMPARE(reread.value(QStringLiteral("MapViewer/RepsDirectory")).toString(), QStringLiteral("/home/player/reports"));
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "SettingsTest.moc"

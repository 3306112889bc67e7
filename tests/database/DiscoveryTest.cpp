// Finding the game databases beside the program and checking their format.
#include "CliRun.h"
#include "DatabaseDamage.h"
#include "ScriptedDialogue.h"
#include "TestHome.h"
#include "database/Database.h"
#include "database/DatabaseDiscovery.h"

#include <QtTest>

using namespace arvenna;

namespace {
const QString kTooOld = QStringLiteral(
    "The Database version is too old to be used by this version, please request an update.");
const QString kVersionTitle = QStringLiteral("Database Version...?");

int maintenanceRows(const QString& path)
{
    Database db = Database::open(path);
    RecordSet rows = db.openRecordSet(QStringLiteral("SELECT * FROM DATABASEMAINT"), RecordSetType::Snapshot);
    rows.moveLast();
    return rows.recordCount();
}
} // namespace

class DiscoveryTest : public QObject {
    Q_OBJECT

private slots:
    void listsBothGames()
    {
        TestHome home;
        home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        home.addGameDatabase(QStringLiteral("Quorvane.mdb"));
        ScriptedDialogue dialogue;
        DatabaseMenus menus;
        QCOMPARE(discoverDatabases(home.path(), menus, dialogue), DiscoveryOutcome::Listed);
        const QStringList captions{"Arvenna G2 [Arvenna.mdb]", "QVR game 1 [Quorvane.mdb]"};
        QCOMPARE(menus.RepHead, captions);
        QCOMPARE(menus.RepDBItem, captions);
        QCOMPARE(menus.CompDBItem, captions);
        QCOMPARE(menus.paths, (QStringList{home.file("Arvenna.mdb"), home.file("Quorvane.mdb")}));
        QVERIFY(menus.dbtoolsVisible);
        QCOMPARE(dialogue.shown.size(), 0);

        // A second run lists exactly what is there now.
        QVERIFY(QFile::remove(home.file(QStringLiteral("Quorvane.mdb"))));
        QCOMPARE(discoverDatabases(home.path(), menus, dialogue), DiscoveryOutcome::Listed);
        QCOMPARE(menus.RepHead, QStringList{"Arvenna G2 [Arvenna.mdb]"});
        QCOMPARE(menus.CompDBItem, QStringList{"Arvenna G2 [Arvenna.mdb]"});

        // A description holding "[" keeps its entry's file.
        runSql(home.file("Arvenna.mdb"), "UPDATE SETUP SET DATABASEDESC = 'Arvenna G2 [main]'");
        discoverDatabases(home.path(), menus, dialogue);
        QCOMPARE(menus.RepHead, QStringList{"Arvenna G2 [main] [Arvenna.mdb]"});
        QCOMPARE(menus.paths, QStringList{home.file("Arvenna.mdb")});

        // Once the last usable database is gone, no entry names it any more.
        home.writeFile(QStringLiteral("Broken.mdb"), "not a database");
        QVERIFY(QFile::remove(home.file(QStringLiteral("Arvenna.mdb"))));
        QCOMPARE(discoverDatabases(home.path(), menus, dialogue), DiscoveryOutcome::Listed);
        QCOMPARE(menus, DatabaseMenus{});
    }

    void refusesBadDatabasesAndListsTheRest()
    {
        TestHome home;
        home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        home.writeFile(QStringLiteral("Bad.mdb"), "This is not a database at all.\n");
        const QString noSetup = home.addGameDatabase(QStringLiteral("Arvenna.mdb"), QStringLiteral("NoSetup.mdb"));
        runSql(noSetup, QStringLiteral("DROP TABLE SETUP"));
        const QString emptySetup = home.addGameDatabase(QStringLiteral("Arvenna.mdb"), QStringLiteral("EmptySetup.mdb"));
        runSql(emptySetup, QStringLiteral("DELETE FROM SETUP"));
        const QString old = home.addGameDatabase(QStringLiteral("Arvenna.mdb"), QStringLiteral("Old.mdb"));
        runSql(old, QStringLiteral("UPDATE SETUP SET MDBVers = 5"));
        const QString nullVersion = home.addGameDatabase(QStringLiteral("Quorvane.mdb"), QStringLiteral("Null.MDB"));
        runSql(nullVersion, QStringLiteral("UPDATE SETUP SET MDBVers = NULL"));
        // The newest SETUP row decides.
        const QString upgraded = home.addGameDatabase(QStringLiteral("Quorvane.mdb"), QStringLiteral("Upgraded.mdb"));
        runSql(upgraded, QStringLiteral("UPDATE SETUP SET MDBVers = 5, DateRow = '2020-01-01T00:00:00';"
                                        "INSERT INTO SETUP VALUES ('QVR game 3', 'QVR', 3, '2026-02-01T00:00:00', 6)"));
        QMap<QString, QByteArray> before;
        for (const char* name : {"Bad.mdb", "NoSetup.mdb", "EmptySetup.mdb", "Old.mdb", "Null.MDB"})
            before[name] = fileBytes(home.file(name));

        ScriptedDialogue dialogue;
        DatabaseMenus menus;
        QCOMPARE(discoverDatabases(home.path(), menus, dialogue), DiscoveryOutcome::Listed);
        QCOMPARE(menus.RepHead, (QStringList{"Arvenna G2 [Arvenna.mdb]", "QVR game 3 [Upgraded.mdb]"}));
        using Shown = ScriptedDialogue::Shown;
        const QList<Shown> expected{
            {kVersionTitle, kTooOld, MessageIcon::Critical}, // Bad.mdb
            {kVersionTitle, kTooOld, MessageIcon::Critical}, // NoSetup.mdb
            {kVersionTitle, QStringLiteral("Error with : ") + home.file(QStringLiteral("Null.MDB")) + "\n" + kTooOld,
             MessageIcon::Critical},
            {kVersionTitle, QStringLiteral("Error with : ") + home.file(QStringLiteral("Old.mdb")) + "\n" + kTooOld,
             MessageIcon::Critical},
        };
        QCOMPARE(dialogue.shown, expected);
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(fileBytes(home.file(it.key())), it.value());
    }

    // A database another program holds is in use, not too old.
    void databaseInUseIsSaidToBe()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        OtherProgram holder(path);
        QVERIFY(holder.run(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE")));
        QVERIFY(holder.run(QStringLiteral("BEGIN EXCLUSIVE")));
        const QString inUse = "The Database is in use by another program, please try again later.\n[" + path + "]";
        ScriptedDialogue dialogue;
        DatabaseMenus menus;
        QCOMPARE(discoverDatabases(home.path(), menus, dialogue), DiscoveryOutcome::Listed);
        QCOMPARE(menus, DatabaseMenus{});
        QCOMPARE(dialogue.shown, (QList<ScriptedDialogue::Shown>{{"MapViewer", inUse, MessageIcon::Warning}}));
        const CliRun run = runCli({QStringLiteral("list"), QStringLiteral("--home"), home.path()});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, inUse + "\n");
    }

    void nothingUsableKeepsTheFirstEntry()
    {
        TestHome home;
        home.writeFile(QStringLiteral("Bad.mdb"), "garbage");
        ScriptedDialogue dialogue;
        DatabaseMenus menus;
        QCOMPARE(discoverDatabases(home.path(), menus, dialogue), DiscoveryOutcome::Listed);
        QCOMPARE(menus, DatabaseMenus());

        TestHome empty;
        empty.writeFile(QStringLiteral("notes.txt"), "no databases here");
        empty.writeFile(QStringLiteral("TempDB.MDB"), "a stale work file is not a game");
        ScriptedDialogue none;
        QCOMPARE(discoverDatabases(empty.path(), menus, none), DiscoveryOutcome::NoDatabaseFile);
        QCOMPARE(none.texts(), QStringList{"Could not find any database, location must be the same as database"});
    }

    void repairsWhenTheLastRepairIsTooOld_data()
    {
        QTest::addColumn<QString>("maintenance");
        QTest::addColumn<int>("rowsAfter");
        const QDateTime now(QDate(2026, 6, 1), QTime(12, 0));
        auto stamp = [](const QDateTime& t) { return t.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")); };
        QTest::newRow("no history") << QString() << 0;
        QTest::newRow("no repair date") << QStringLiteral("INSERT INTO DATABASEMAINT VALUES (NULL, '2026-01-01T00:00:00')") << 1;
        QTest::newRow("59 days") << QStringLiteral("INSERT INTO DATABASEMAINT VALUES ('%1', NULL)").arg(stamp(now.addDays(-59))) << 1;
        QTest::newRow("60 days and a minute")
            << QStringLiteral("INSERT INTO DATABASEMAINT VALUES ('%1', NULL)").arg(stamp(now.addDays(-60).addSecs(-60))) << 2;
    }

    void repairsWhenTheLastRepairIsTooOld()
    {
        QFETCH(QString, maintenance);
        QFETCH(int, rowsAfter);
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        if (!maintenance.isEmpty())
            runSql(path, maintenance);
        ScriptedDialogue dialogue;
        DatabaseMenus menus;
        discoverDatabases(home.path(), menus, dialogue, QDateTime(QDate(2026, 6, 1), QTime(12, 0)));
        QCOMPARE(maintenanceRows(path), rowsAfter);
        QCOMPARE(menus.RepHead, QStringList{"Arvenna G2 [Arvenna.mdb]"});
        if (rowsAfter == 2) {
            QCOMPARE(dialogue.texts(),
                     (QStringList{"The Database has not been repaired for more than 60 days, this will be done now!\n["
                                      + path + "]",
                                  "Process completed Sucessfully!\n[" + path + "]"}));
        } else {
            QCOMPARE(dialogue.shown.size(), 0);
        }
    }
};

QTEST_GUILESS_MAIN(DiscoveryTest)
#include "DiscoveryTest.moc"

// Finding the game databases beside the program and checking their format.
#include "CliRun.h"
#include "DatabaseDamage.h"
#include "ScriptedDialogue.h"
#include "TestHome.h"
#include "database/DatabaseDiscovery.h"
#include "database/DatabaseError.h"
#include "database/GameSession.h"
#include "model/MapModel.h"
#include "view/GameOpening.h"
#include "view/MapView.h"

#include <QtTest>

using namespace arvenna;

namespace {
const QString kTooOld = QStringLiteral(
    "The Database version is too old to be used by this version, please request an update.");
const QString kVersionTitle = QStringLiteral("Database Version...?");
const QDateTime kNow(QDate(2026, 6, 1), QTime(12, 0));
} // namespace

class DiscoveryTest : public QObject {
    Q_OBJECT

private slots:
    void listsBothGames()
    {
        TestHome home;
        home.addGameDatabase("Arvenna.mdb");
        home.addGameDatabase("Quorvane.mdb");
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
        QVERIFY(QFile::remove(home.file("Quorvane.mdb")));
        QCOMPARE(discoverDatabases(home.path(), menus, dialogue), DiscoveryOutcome::Listed);
        QCOMPARE(menus.RepHead, QStringList{"Arvenna G2 [Arvenna.mdb]"});
        QCOMPARE(menus.CompDBItem, QStringList{"Arvenna G2 [Arvenna.mdb]"});

        // A description holding "[" keeps its entry's file.
        runSql(home.file("Arvenna.mdb"), "UPDATE SETUP SET DATABASEDESC = 'Arvenna G2 [main]'");
        discoverDatabases(home.path(), menus, dialogue);
        QCOMPARE(menus.RepHead, QStringList{"Arvenna G2 [main] [Arvenna.mdb]"});
        QCOMPARE(menus.paths, QStringList{home.file("Arvenna.mdb")});

        // Once the last usable database is gone, no entry names it any more.
        home.writeFile("Broken.mdb", "not a database");
        QVERIFY(QFile::remove(home.file("Arvenna.mdb")));
        QCOMPARE(discoverDatabases(home.path(), menus, dialogue), DiscoveryOutcome::Listed);
        QCOMPARE(menus, DatabaseMenus{});
    }

    // The menus and the opening refuse the same databases, the files stay as
    // they were; the format version is compared as a number and the newest
    // SETUP row decides.
    void refusesBadDatabasesAndListsTheRest()
    {
        TestHome home;
        home.addGameDatabase("Arvenna.mdb");
        home.writeFile("Bad.mdb", "This is not a database at all.\n");
        runSql(home.addGameDatabase("Arvenna.mdb", "EmptySetup.mdb"), "DELETE FROM SETUP");
        runSql(home.addGameDatabase("Arvenna.mdb", "NoSetup.mdb"), "DROP TABLE SETUP");
        runSql(home.addGameDatabase("Quorvane.mdb", "Upgraded.mdb"),
               "UPDATE SETUP SET MDBVers = 5, DateRow = '2020-01-01T00:00:00';"
               "INSERT INTO SETUP VALUES ('QVR game 3', 'QVR', 3, '2026-02-01T00:00:00', 6)");
        const QStringList versions{"5.9", "6", "5.5", "6.5", "NULL", "'six'"};
        for (qsizetype i = 0; i < versions.size(); ++i)
            runSql(home.addGameDatabase("Quorvane.mdb", QStringLiteral("V%1.MDB").arg(i)),
                   "UPDATE SETUP SET MDBVers = " + versions.at(i));
        const QStringList files = QDir(home.path()).entryList(QDir::Files);
        QList<QByteArray> before;
        for (const QString& file : files)
            before << fileBytes(home.file(file));

        ScriptedDialogue dialogue;
        DatabaseMenus menus;
        QCOMPARE(discoverDatabases(home.path(), menus, dialogue), DiscoveryOutcome::Listed);
        QCOMPARE(menus.RepHead, (QStringList{"Arvenna G2 [Arvenna.mdb]", "QVR game 3 [Upgraded.mdb]",
                                             "QVR game 1 [V1.MDB]", "QVR game 1 [V3.MDB]"}));
        const auto tooOld = [&](const char* name) { return "Error with : " + home.file(name) + "\n" + kTooOld; };
        const auto notAGame = [&](const char* name, const QString& why) {
            return "[" + home.file(name) + "] is not a game database.\n" + why;
        };
        QCOMPARE(dialogue.shown, (QList<ScriptedDialogue::Shown>{
                                     {"MapViewer", notAGame("Bad.mdb", "file is not a database"), MessageIcon::Critical},
                                     {"MapViewer", notAGame("NoSetup.mdb", "The database holds no table SETUP."),
                                      MessageIcon::Critical},
                                     {kVersionTitle, tooOld("V0.MDB"), MessageIcon::Critical},
                                     {kVersionTitle, tooOld("V2.MDB"), MessageIcon::Critical},
                                     {kVersionTitle, tooOld("V4.MDB"), MessageIcon::Critical},
                                     {kVersionTitle, tooOld("V5.MDB"), MessageIcon::Critical}}));

        QStringList opened;
        for (const char* name : {"EmptySetup.mdb", "Upgraded.mdb", "V0.MDB", "V1.MDB", "V2.MDB", "V3.MDB", "V4.MDB",
                                 "V5.MDB"}) {
            GameSession game;
            MapModel model;
            MapView view;
            try {
                QCOMPARE(openGame(home.file(name), game, model, view), GameSession::OpenResult::Opened);
                opened << QStringLiteral("opened");
            } catch (const DatabaseError& error) {
                opened << error.message();
                QVERIFY(!game.isOpen());
            }
        }
        QCOMPARE(opened, (QStringList{"The database [" + home.file("EmptySetup.mdb") + "] holds no game description.",
                                      "opened", tooOld("V0.MDB"), "opened", tooOld("V2.MDB"), "opened",
                                      tooOld("V4.MDB"), tooOld("V5.MDB")}));
        for (qsizetype i = 0; i < files.size(); ++i)
            QCOMPARE(fileBytes(home.file(files.at(i))), before.at(i));
    }

    // A database another program holds is in use, not too old (the engine's
    // own lock: the other program need not be this one).
    void databaseInUseIsSaidToBe()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        OtherProgram holder(path);
        QVERIFY(holder.run("PRAGMA locking_mode = EXCLUSIVE"));
        QVERIFY(holder.run("BEGIN EXCLUSIVE"));
        const QString inUse = "The game database [" + path + "] is in use by another program.\ndatabase is locked";
        ScriptedDialogue dialogue;
        DatabaseMenus menus;
        QCOMPARE(discoverDatabases(home.path(), menus, dialogue), DiscoveryOutcome::Listed);
        QCOMPARE(menus, DatabaseMenus{});
        QCOMPARE(dialogue.shown, (QList<ScriptedDialogue::Shown>{{"MapViewer", inUse, MessageIcon::Warning}}));
        const CliRun run = runCli({"list", "--home", home.path()});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, inUse + "\n");
    }

    void noDatabaseFileIsSaid()
    {
        TestHome home;
        home.writeFile("notes.txt", "no databases here");
        home.writeFile("TempDB.MDB", "a stale work file is not a game");
        ScriptedDialogue dialogue;
        DatabaseMenus menus;
        QCOMPARE(discoverDatabases(home.path(), menus, dialogue), DiscoveryOutcome::NoDatabaseFile);
        QCOMPARE(dialogue.texts(), QStringList{"Could not find any database, location must be the same as database"});
    }

    void repairsWhenTheLastRepairIsTooOld_data()
    {
        QTest::addColumn<QString>("maintenance");
        QTest::addColumn<bool>("repaired");
        const auto row = [](const QDateTime& repair) {
            return QStringLiteral("INSERT INTO DATABASEMAINT VALUES ('%1', NULL)").arg(repair.toString(Qt::ISODate));
        };
        QTest::newRow("no history") << QString() << false;
        QTest::newRow("no repair date") << "INSERT INTO DATABASEMAINT VALUES (NULL, '2026-01-01T00:00:00')" << false;
        QTest::newRow("59 days") << row(kNow.addDays(-59)) << false;
        QTest::newRow("60 days and a minute") << row(kNow.addDays(-60).addSecs(-60)) << true;
    }

    void repairsWhenTheLastRepairIsTooOld()
    {
        QFETCH(QString, maintenance);
        QFETCH(bool, repaired);
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        runSql(path, maintenance);
        const QStringList history = queryRows(path, "SELECT * FROM DATABASEMAINT");
        ScriptedDialogue dialogue;
        DatabaseMenus menus;
        discoverDatabases(home.path(), menus, dialogue, kNow);
        QCOMPARE(menus.RepHead, QStringList{"Arvenna G2 [Arvenna.mdb]"});
        if (!repaired) {
            QCOMPARE(queryRows(path, "SELECT * FROM DATABASEMAINT"), history);
            QCOMPARE(dialogue.shown.size(), 0);
            return;
        }
        QCOMPARE(queryRows(path, "SELECT * FROM DATABASEMAINT ORDER BY rowid"),
                 history + QStringList{kNow.toString(Qt::ISODate) + "|" + kNow.toString(Qt::ISODate)});
        QCOMPARE(dialogue.texts(),
                 (QStringList{"The Database has not been repaired for more than 60 days, this will be done now!\n["
                                  + path + "]",
                              "Process completed Sucessfully!\n[" + path + "]"}));
    }
};

QTEST_GUILESS_MAIN(DiscoveryTest)
#include "DiscoveryTest.moc"

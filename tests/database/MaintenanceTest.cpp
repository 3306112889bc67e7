// The repair-and-compact routine with its work files and maintenance rows,
// and purging the open database.
#include "CliRun.h"
#include "DatabaseDamage.h"
#include "ScriptedDialogue.h"
#include "TestHome.h"
#include "database/GameSession.h"
#include "database/Maintenance.h"
#include "database/Purge.h"

#include <QtTest>

using namespace arvenna;

namespace {
const QDateTime kNow(QDate(2026, 6, 1), QTime(12, 0));
const QString kEarlier = QStringLiteral("2026-01-02T03:04:05");

QStringList filesIn(const TestHome& home)
{
    return QDir(home.path()).entryList(QDir::Files | QDir::Hidden);
}

// Another program inside a transaction on the file (the engine's own lock).
QString inUse(const QString& path)
{
    return "The game database [" + path + "] is in use by another program.\ndatabase is locked";
}

QString failureMessage(const QString& path, const QString& reason)
{
    return "The Process could not be completed Sucessfully!\n[" + path + "]\n" + reason;
}

// The row counts a successful run leaves: one more maintenance row.
QStringList afterOneRun(QStringList counts)
{
    counts.replaceInStrings(QStringLiteral("DATABASEMAINT=0"), QStringLiteral("DATABASEMAINT=1"));
    return counts;
}
} // namespace

class MaintenanceTest : public QObject {
    Q_OBJECT

private slots:
    void eachRunAddsItsRow()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        const auto at = [](int seconds) { return kNow.addSecs(seconds).toString(Qt::ISODate); };
        ScriptedDialogue dialogue;
        QVERIFY(repairAndCompact(home.path(), path, kRepairRequest, QString(), dialogue, kNow));
        QCOMPARE(queryRows(path, "SELECT * FROM DATABASEMAINT"), QStringList{at(0) + "|NULL"});

        // Each step stamps its own date and carries the other one over.
        runSql(path, QStringLiteral("DELETE FROM DATABASEMAINT; INSERT INTO DATABASEMAINT VALUES ('%1', '%1')").arg(kEarlier));
        QVERIFY(repairAndCompact(home.path(), path, QString(), kCompactRequest, dialogue, kNow));
        QVERIFY(repairAndCompact(home.path(), path, kRepairRequest, QString(), dialogue, kNow.addSecs(60)));
        QVERIFY(repairAndCompact(home.path(), path, kRepairRequest, kCompactRequest, dialogue, kNow.addSecs(120)));
        QCOMPARE(queryRows(path, "SELECT * FROM DATABASEMAINT ORDER BY rowid"),
                 (QStringList{kEarlier + "|" + kEarlier, kEarlier + "|" + at(0), at(60) + "|" + at(0),
                              at(120) + "|" + at(120)}));
        QCOMPARE(filesIn(home), QStringList{"Arvenna.mdb"});
        QCOMPARE(dialogue.shown.last(),
                 (ScriptedDialogue::Shown{"Database Repair...?", "Process completed Sucessfully!\n[" + path + "]",
                                          MessageIcon::Information}));
    }

    // A failed run leaves the file as it was: a damaged file, or a database
    // named like a work file (refused, never taken for one). Work and
    // rebuild files that interrupted runs left are cleared.
    void failureLeavesTheFileAsItWas()
    {
        TestHome home;
        QByteArray damaged("SQLite format 3", 16);
        damaged += QByteArray(4096, char(0x77));
        home.writeFile("Damaged.mdb", damaged);
        home.writeFile("TempDB1.MDB", "stale work file of an interrupted run");
        const QString path = home.file("Damaged.mdb");
        ScriptedDialogue dialogue;
        const MaintenanceResult result = repairAndCompact(home.path(), path, kRepairRequest, kCompactRequest, dialogue, kNow);
        QVERIFY(!result);
        QCOMPARE(result.failureReason, "[" + path + "] is not a game database.\nfile is not a database");
        QCOMPARE(fileBytes(path), damaged);
        QCOMPARE(filesIn(home), QStringList{"Damaged.mdb"});
        QCOMPARE(dialogue.shown, (QList<ScriptedDialogue::Shown>{{"Database Repair...?",
                                                                  failureMessage(path, result.failureReason),
                                                                  MessageIcon::Critical}}));

        for (const char* name : {"TempDB1.MDB", "tempdb.mdb"}) {
            const QString work = home.addGameDatabase("Quorvane.mdb", name);
            const QByteArray before = fileBytes(work);
            QVERIFY(!compactFromMenu(home.path(), work, dialogue));
            const CliRun run = runCli({"repair", work, "--home", home.path()});
            QCOMPARE(run.status, 1);
            QCOMPARE(run.err, failureMessage(work, "The game database [" + work + "] could not be used.\nThe file is "
                                                   "named like a work file of maintenance (TempDB.MDB, TempDB1.MDB).\n"));
            QCOMPARE(fileBytes(work), before);
        }
        home.writeFile("TempDB.MDB.rebuild-AbC123", QByteArray(100000, 'x'));
        home.writeFile("TempDB.MDB.rebuild-AbC123-journal", "journal");
        QVERIFY(repairAndCompact(home.path(), home.addGameDatabase("Arvenna.mdb"), kRepairRequest, kCompactRequest,
                                 dialogue, kNow));
        QCOMPARE(filesIn(home), (QStringList{"Arvenna.mdb", "Damaged.mdb"}));
    }

    // A program killed mid-write left its journal: the engine rolls it back
    // before maintenance reads anything.
    void leftoverJournalIsRolledBackFirst()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        addProvinces(path, 3000);
        const QStringList counts = rowCounts(path);
        for (const auto& [repair, compact] : {std::pair{kRepairRequest, QString()}, std::pair{QString(), kCompactRequest}}) {
            runSql(path, QStringLiteral("DELETE FROM DATABASEMAINT"));
            leaveHotJournal(path);
            ScriptedDialogue dialogue;
            QVERIFY(repairAndCompact(home.path(), path, repair, compact, dialogue, kNow));
            QCOMPARE(filesIn(home), QStringList{"Arvenna.mdb"});
            QCOMPARE(integrityCheck(path), QStringLiteral("ok"));
            QCOMPARE(rowCounts(path), afterOneRun(counts));
        }
    }

    // Another program inside a transaction keeps the file: maintenance
    // waits a little, refuses, and the other program's commit goes through.
    void anotherProgramsTransactionIsRespected()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        OtherProgram writer(path);
        QVERIFY(writer.run("BEGIN IMMEDIATE"));
        QVERIFY(writer.run("INSERT INTO PROVINCIAS (PROVINCIANAME) VALUES ('theirs')"));
        const QByteArray before = fileBytes(path);
        ScriptedDialogue dialogue;
        QCOMPARE(repairAndCompact(home.path(), path, kRepairRequest, kCompactRequest, dialogue, kNow).failureReason,
                 inUse(path));
        const CliRun run = runCli({"compact", path, "--home", home.path()});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, failureMessage(path, inUse(path)) + "\n");
        QCOMPARE(fileBytes(path), before);
        QVERIFY(writer.run("COMMIT"));
        QCOMPARE(queryRows(path, "SELECT PROVINCIANAME FROM PROVINCIAS"), QStringList{"theirs"});
    }

    // A database in write-ahead mode that another program has open (reading
    // and writing) is refused untouched; once it is closed, compacted.
    void openWriteAheadDatabaseIsRefused()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        addProvinces(path, 500);
        const QStringList counts = rowCounts(path);
        ScriptedDialogue dialogue;
        {
            OtherProgram writer(path);
            QVERIFY(writer.run(QStringLiteral("PRAGMA journal_mode = WAL")));
            QVERIFY(writer.run(QStringLiteral("DELETE FROM PROVINCIAS WHERE PROVINCIAID > 100")));
            OtherProgram reader(path);
            reader.startReading(QStringLiteral("SELECT * FROM PROVINCIAS"));
            const QByteArray file = fileBytes(path);
            const QByteArray log = fileBytes(path + "-wal");
            const MaintenanceResult result = repairAndCompact(home.path(), path, QString(), kCompactRequest, dialogue, kNow);
            QCOMPARE(result.failureReason, inUse(path));
            QCOMPARE(fileBytes(path), file);
            QCOMPARE(fileBytes(path + "-wal"), log);
            QVERIFY(writer.run("INSERT INTO PROVINCIAS (PROVINCIANAME) VALUES ('theirs')"));
        }
        QVERIFY(compactFromMenu(home.path(), path, dialogue));
        QCOMPARE(integrityCheck(path), QStringLiteral("ok"));
        QStringList expected = afterOneRun(counts);
        expected.replaceInStrings(QStringLiteral("PROVINCIAS=500"), QStringLiteral("PROVINCIAS=101"));
        QCOMPARE(rowCounts(path), expected);
        QCOMPARE(filesIn(home), QStringList{"Arvenna.mdb"});
    }

    // Rows on damaged pages are lost, every row around them is kept, and the
    // user is told which table lost how many (counted exactly through an
    // intact index); the damaged original stays beside.
    void lossesAreReported()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        addProvinces(path, 3000);
        const QStringList counts = rowCounts(path);
        const QList<LeafPage> leaves = leafPages(path, QStringLiteral("PROVINCIAS"));
        const qint64 lost = leaves.at(3).rows + leaves.at(leaves.size() / 2).rows;
        damagePage(path, leaves.at(3).page);
        damagePage(path, leaves.at(leaves.size() / 2).page);
        const QByteArray damaged = fileBytes(path);
        ScriptedDialogue dialogue;
        const MaintenanceResult result = repairAndCompact(home.path(), path, kRepairRequest, kCompactRequest, dialogue, kNow);
        QVERIFY(result && result.lostRows());
        // The losses instead of the success text.
        QCOMPARE(dialogue.shown,
                 (QList<ScriptedDialogue::Shown>{
                     {"Database Repair...?",
                      QStringLiteral("The repair completed with losses. Rows that could not be read:\nPROVINCIAS: %1 rows\n"
                                     "The damaged original is kept as [%2.damaged]").arg(lost).arg(path),
                      MessageIcon::Warning}}));
        QCOMPARE(fileBytes(path + ".damaged"), damaged);
        QCOMPARE(integrityCheck(path), QStringLiteral("ok"));
        QStringList expected = afterOneRun(counts);
        expected.replaceInStrings("PROVINCIAS=3000", QStringLiteral("PROVINCIAS=%1").arg(3000 - lost));
        QCOMPARE(rowCounts(path), expected);

        // A table with nothing readable fails the repair; the file stays.
        damagePage(path, rootPage(path, QStringLiteral("PROVINCIAS")));
        const QByteArray unreadable = fileBytes(path);
        const MaintenanceResult failed = repairAndCompact(home.path(), path, kRepairRequest, QString(), dialogue, kNow);
        QCOMPARE(failed.failureReason,
                 "The game database [" + path + "] is damaged.\nThe table PROVINCIAS could not be read at all.");
        QCOMPARE(dialogue.shown.last(), (ScriptedDialogue::Shown{"Database Repair...?",
                                                                 failureMessage(path, failed.failureReason),
                                                                 MessageIcon::Critical}));
        QCOMPARE(fileBytes(path), unreadable);
        QCOMPARE(filesIn(home), (QStringList{"Arvenna.mdb", "Arvenna.mdb.damaged"}));
    }

    // A file cut short by a page: every row of the pages it still has is
    // kept, the rows of the missing page are named as lost, and the command
    // line (a bare file name found in --home) ends with failure.
    void fileCutShortIsReadAsFarAsItGoes()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        addProvinces(path, 3000);
        // One more province on a page of its own, the file's last.
        runSql(path, QStringLiteral("INSERT INTO PROVINCIAS (PROVINCIANAME, XORD, YORD, TERRAINID) VALUES ('%1', 0, 99, 4)")
                         .arg(QString(3000, QLatin1Char('x'))));
        const QStringList counts = rowCounts(path);
        const qint64 pageSize = queryRows(path, "PRAGMA page_size").constFirst().toLongLong();
        const qint64 pages = queryRows(path, "PRAGMA page_count").constFirst().toLongLong();
        const QStringList lastPage = queryRows(path, QStringLiteral("SELECT name, ncell FROM dbstat WHERE pageno = %1").arg(pages));
        QCOMPARE(lastPage, QStringList{"PROVINCIAS|1"});
        QVERIFY(QFile::resize(path, (pages - 1) * pageSize));
        const QByteArray cut = fileBytes(path);

        const CliRun run = runCli({"repair", "Arvenna.mdb", "--home", home.path()});
        QCOMPARE(run.err, "The repair completed with losses. Rows that could not be read:\nPROVINCIAS: 1 rows\n"
                          "The damaged original is kept as [" + path + ".damaged]\n");
        QCOMPARE(run.status, 1);
        QCOMPARE(integrityCheck(path), QStringLiteral("ok"));
        QStringList expected = afterOneRun(counts);
        expected.replaceInStrings("PROVINCIAS=3001", "PROVINCIAS=3000");
        QCOMPARE(rowCounts(path), expected);
        QCOMPARE(queryRows(path, "SELECT PROVINCIANAME FROM PROVINCIAS WHERE PROVINCIAID IN (1, 3000)"),
                 (QStringList{"P0", "P2999"}));
        QCOMPARE(fileBytes(path + ".damaged"), cut);
    }

    // An entry without a database ("No Database Found") does nothing.
    void menuEntriesNameTheirFile()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Quorvane.mdb");
        ScriptedDialogue dialogue;
        QVERIFY(!repairFromMenu(home.path(), QString(), dialogue));
        QVERIFY(!compactFromMenu(home.path(), QString(), dialogue));
        QCOMPARE(dialogue.shown.size(), 0);
        QVERIFY(repairFromMenu(home.path(), path, dialogue));
        QCOMPARE(queryRows(path, "SELECT DBRepair IS NOT NULL, DBCompact FROM DATABASEMAINT"), QStringList{"1|NULL"});
    }

    void purgeAsksFirst()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        GameSession game;
        QCOMPARE(game.open("Arvenna G2 [Arvenna.mdb]", path), GameSession::OpenResult::Opened);
        ScriptedDialogue dialogue;
        dialogue.answers.enqueue(DialogueAnswer::No);
        QCOMPARE(purgeOpenDatabase(game, dialogue), PurgeResult::Declined);
        QVERIFY(game.isOpen() && QFile::exists(path));
        QCOMPARE(dialogue.shown.first(),
                 (ScriptedDialogue::Shown{"Accept Copy", "With this action the current database [" + path
                                                             + "] will be deleted, are you sure ?",
                                          MessageIcon::Critical}));
        dialogue.answers.enqueue(DialogueAnswer::Yes); // Enter alone answers No
        QCOMPARE(purgeOpenDatabase(game, dialogue), PurgeResult::Deleted);
        QVERIFY(!game.isOpen() && !QFile::exists(path));
        QCOMPARE(game.CurrentDBName, QString());
    }
};

QTEST_GUILESS_MAIN(MaintenanceTest)
#include "MaintenanceTest.moc"

// The repair-and-compact routine with its work files and maintenance rows,
// and purging the open database.
#include "ScriptedDialogue.h"
#include "TestHome.h"
#include "database/Database.h"
#include "database/GameSession.h"
#include "database/Maintenance.h"
#include "database/Purge.h"

#include <QtTest>

using namespace arvenna;

namespace {
const QDateTime kNow(QDate(2026, 6, 1), QTime(12, 0));
const QString kEarlier = QStringLiteral("2026-01-02T03:04:05");

// DBRepair and DBCompact of every row, newest repair first.
QStringList maintenanceRows(const QString& path)
{
    Database db = Database::open(path);
    RecordSet rows = db.openRecordSet(QStringLiteral("SELECT * FROM DATABASEMAINT ORDER BY DBREPAIR DESC, rowid DESC"),
                                      RecordSetType::Snapshot);
    QStringList result;
    for (; !rows.isEOF(); rows.moveNext())
        result << rows.text(QStringLiteral("DBRepair")) + "|" + rows.text(QStringLiteral("DBCompact"));
    return result;
}

QStringList workFiles(const TestHome& home)
{
    return QDir(home.path()).entryList({QStringLiteral("TempDB*")}, QDir::Files);
}
} // namespace

class MaintenanceTest : public QObject {
    Q_OBJECT

private slots:
    void eachRunAddsItsRow()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        const QString now = kNow.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
        ScriptedDialogue dialogue;

        QVERIFY(repairAndCompact(home.path(), path, kRepairRequest, QString(), dialogue, kNow));
        QCOMPARE(maintenanceRows(path), QStringList{now + "|"});

        runSql(path, QStringLiteral("DELETE FROM DATABASEMAINT; INSERT INTO DATABASEMAINT VALUES ('%1', '%1')").arg(kEarlier));
        QVERIFY(repairAndCompact(home.path(), path, QString(), kCompactRequest, dialogue, kNow));
        QCOMPARE(maintenanceRows(path).first(), kEarlier + "|" + now);
        QVERIFY(repairAndCompact(home.path(), path, kRepairRequest, QString(), dialogue, kNow.addSecs(60)));
        QCOMPARE(maintenanceRows(path).first(), kNow.addSecs(60).toString(Qt::ISODate) + "|" + now);
        QVERIFY(repairAndCompact(home.path(), path, kRepairRequest, kCompactRequest, dialogue, kNow.addSecs(120)));
        QCOMPARE(maintenanceRows(path).size(), 4);

        QCOMPARE(workFiles(home), QStringList());
        QCOMPARE(dialogue.shown.last(),
                 (ScriptedDialogue::Shown{"Database Repair...?", "Process completed Sucessfully!\n[" + path + "]",
                                          MessageIcon::Information}));
    }

    void failureLeavesTheFileAsItWas()
    {
        TestHome home;
        QByteArray damaged("SQLite format 3", 16);
        damaged += QByteArray(4096, char(0x77));
        home.writeFile(QStringLiteral("Damaged.mdb"), damaged);
        home.writeFile(QStringLiteral("TempDB1.MDB"), "stale work file of an interrupted run");
        const QString path = home.file(QStringLiteral("Damaged.mdb"));
        ScriptedDialogue dialogue;
        QVERIFY(!repairAndCompact(home.path(), path, kRepairRequest, kCompactRequest, dialogue, kNow));
        QCOMPARE(fileBytes(path), damaged);
        QCOMPARE(workFiles(home), QStringList());
        QCOMPARE(dialogue.shown,
                 (QList<ScriptedDialogue::Shown>{{"Database Repair...?",
                                                  "The Process could not be completed Sucessfully!\n[" + path + "]",
                                                  MessageIcon::Critical}}));

        // A program directory where the work files cannot be written.
        TestHome other;
        const QString game = other.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        const QByteArray before = fileBytes(game);
        QVERIFY(!repairAndCompact(other.file(QStringLiteral("gone")), game, kRepairRequest, kCompactRequest, dialogue, kNow));
        QCOMPARE(fileBytes(game), before);
        QCOMPARE(maintenanceRows(game), QStringList());
    }

    void menuEntriesNameTheirFile()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Quorvane.mdb"));
        ScriptedDialogue dialogue;
        QVERIFY(!repairFromMenu(home.path(), QString(), dialogue));
        QCOMPARE(dialogue.shown.size(), 0);
        QVERIFY(compactFromMenu(home.path(), home.file(QStringLiteral("Quorvane.mdb")), dialogue));
        QVERIFY(repairFromMenu(home.path(), home.file(QStringLiteral("Quorvane.mdb")), dialogue));
        QCOMPARE(maintenanceRows(path).size(), 2);
    }

    void purgeAsksFirst()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        GameSession game;
        QCOMPARE(game.open(QStringLiteral("Arvenna G2 [Arvenna.mdb]"), path),
                 GameSession::OpenResult::Opened);
        ScriptedDialogue dialogue;
        dialogue.answers.enqueue(DialogueAnswer::No);
        QCOMPARE(purgeOpenDatabase(game, dialogue), PurgeResult::Declined);
        QVERIFY(game.isOpen());
        QVERIFY(QFile::exists(path));
        QCOMPARE(dialogue.shown.first(),
                 (ScriptedDialogue::Shown{"Accept Copy",
                                          "With this action the current database [" + path
                                              + "] will be deleted, are you sure ?",
                                          MessageIcon::Critical}));

        QCOMPARE(purgeOpenDatabase(game, dialogue), PurgeResult::Deleted);
        QVERIFY(!game.isOpen());
        QVERIFY(!QFile::exists(path));
        QCOMPARE(game.CurrentDBName, QString());
    }
};

QTEST_GUILESS_MAIN(MaintenanceTest)
#include "MaintenanceTest.moc"

// Repair and compaction at the engine level, on a database held for maintenance.
#include "DatabaseDamage.h"
#include "TestHome.h"
#include "database/Database.h"
#include "database/DatabaseError.h"
#include "database/EngineFailure.h"
#include "database/EngineMaintenance.h"
#include "database/LockedDatabase.h"

#include <QtTest>
#include <unistd.h>

using namespace arvenna;

class EngineMaintenanceTest : public QObject {
    Q_OBJECT

private slots:
    void healthyFileIsLeftAlone()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        const QByteArray before = fileBytes(path);
        LockedDatabase database(path);
        QCOMPARE(repairDatabase(database, path + ".damaged").rebuilt, false);
        QCOMPARE(fileBytes(path), before);
    }

    void damagedIndexIsRebuiltFromTheRows()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        addProvinces(path, 400);
        damagePage(path, rootPage(path, QStringLiteral("IdxProvinciasCell")));
        {
            LockedDatabase database(path);
            const RepairOutcome outcome = repairDatabase(database, path + ".damaged");
            QVERIFY(outcome.rebuilt);
            QCOMPARE(outcome.losses, QList<TableLoss>());
        }
        QCOMPARE(integrityCheck(path), QStringLiteral("ok"));
        Database db = Database::open(path);
        RecordSet found = db.openRecordSet(QStringLiteral("SELECT * FROM PROVINCIAS WHERE YORD = ? AND XORD = ?"),
                                           RecordSetType::Snapshot, {4, 99});
        QCOMPARE(found.text(QStringLiteral("PROVINCIANAME")), QStringLiteral("P399"));
        RecordSet add = db.openRecordSet(QStringLiteral("SELECT * FROM PROVINCIAS"));
        add.addNew();
        QCOMPARE(add.integer(QStringLiteral("PROVINCIAID")), 401); // counters survive the rebuild
        QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList{"Arvenna.mdb"}); // nothing left beside it
    }

    // Every row of the pages around a damaged one is kept, and the loss is
    // counted exactly (the engine counts the rows through an intact index).
    void damagedTablePagesLoseOnlyTheirRows()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        addProvinces(path, 3000);
        const QList<LeafPage> leaves = leafPages(path, QStringLiteral("PROVINCIAS"));
        QVERIFY(leaves.size() > 10);
        const LeafPage first = leaves.at(3);
        const LeafPage second = leaves.at(leaves.size() / 2);
        damagePage(path, first.page);
        damagePage(path, second.page);
        const QByteArray damaged = fileBytes(path);
        {
            LockedDatabase database(path);
            const RepairOutcome outcome = repairDatabase(database, path + ".damaged");
            QCOMPARE(outcome.losses, (QList<TableLoss>{{"PROVINCIAS", first.rows + second.rows}}));
        }
        QCOMPARE(integrityCheck(path), QStringLiteral("ok"));
        QVERIFY(rowCounts(path).contains(QStringLiteral("PROVINCIAS=%1").arg(3000 - first.rows - second.rows)));
        QCOMPARE(fileBytes(path + ".damaged"), damaged);
        Database db = Database::open(path);
        RecordSet last = db.openRecordSet(QStringLiteral("SELECT * FROM PROVINCIAS ORDER BY PROVINCIAID DESC"),
                                          RecordSetType::Snapshot);
        QCOMPARE(last.text(QStringLiteral("PROVINCIANAME")), QStringLiteral("P2999"));
    }

    // Nothing of a table with a damaged root page can be found: the repair
    // fails rather than return the table empty, and the file stays as it was.
    void unreadableTableFailsTheRepairUntouched()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        addProvinces(path, 3000);
        damagePage(path, rootPage(path, QStringLiteral("PROVINCIAS")));
        const QByteArray damaged = fileBytes(path);
        try {
            LockedDatabase database(path);
            repairDatabase(database, path + ".damaged");
            QFAIL("the repair of an unreadable table succeeded");
        } catch (const DatabaseError& error) {
            QCOMPARE(error.message(), QStringLiteral("The table PROVINCIAS could not be read at all."));
        }
        QCOMPARE(fileBytes(path), damaged);
        QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList{"Arvenna.mdb"});
    }

    void unreadableFilesAreRefusedWithTheirReason()
    {
        TestHome home;
        QByteArray garbage("SQLite format 3", 16);
        garbage += QByteArray(8192, char(0x33));
        home.writeFile(QStringLiteral("Broken.mdb"), garbage);
        home.writeFile(QStringLiteral("Text.mdb"), "no database");
        auto reason = [&](const QString& name) {
            try {
                LockedDatabase database(home.file(name));
            } catch (const DatabaseError& error) {
                return failureReason(error);
            }
            return QString();
        };
        QCOMPARE(reason("Broken.mdb"), QStringLiteral("The file is not a database."));
        QCOMPARE(reason("Text.mdb"), QStringLiteral("The file is not a database."));
        QCOMPARE(reason("Missing.mdb"), QStringLiteral("The file does not exist."));
        QCOMPARE(fileBytes(home.file("Broken.mdb")), garbage);
    }

    // The file is rewritten in place: a hard link to it sees the compacted
    // database, and another connection that stayed open can write on.
    void compactionRewritesTheFileItself()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        addProvinces(path, 2000);
        runSql(path, QStringLiteral("DELETE FROM PROVINCIAS WHERE PROVINCIAID > 10"));
        const QString link = home.file(QStringLiteral("Link.mdb"));
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);
        const qint64 before = QFileInfo(path).size();
        OtherProgram other(path);
        {
            LockedDatabase database(path);
            compactDatabase(database);
        }
        QVERIFY(QFileInfo(path).size() < before);
        QCOMPARE(fileBytes(link), fileBytes(path));
        QVERIFY(other.run(QStringLiteral("INSERT INTO PROVINCIAS (PROVINCIANAME) VALUES ('after')")));
        QCOMPARE(integrityCheck(path), QStringLiteral("ok"));
        QVERIFY(rowCounts(path).contains(QStringLiteral("PROVINCIAS=11")));
    }
};

QTEST_GUILESS_MAIN(EngineMaintenanceTest)
#include "EngineMaintenanceTest.moc"

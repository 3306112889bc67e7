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

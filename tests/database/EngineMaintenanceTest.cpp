// Repair and compaction at the engine level, on a database held for maintenance.
#include "DatabaseDamage.h"
#include "TestHome.h"
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
    void damagedIndexIsRebuiltFromTheRows()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        addProvinces(path, 400);
        const QByteArray healthy = fileBytes(path);
        {
            LockedDatabase database(path);
            QCOMPARE(repairDatabase(database, path + ".damaged").rebuilt, false);
        }
        QCOMPARE(fileBytes(path), healthy); // a healthy file is left alone

        damagePage(path, rootPage(path, QStringLiteral("IdxProvinciasCell")));
        {
            LockedDatabase database(path);
            const RepairOutcome outcome = repairDatabase(database, path + ".damaged");
            QVERIFY(outcome.rebuilt);
            QCOMPARE(outcome.losses, QList<TableLoss>());
        }
        QCOMPARE(integrityCheck(path), QStringLiteral("ok"));
        // Found through the rebuilt index; counters survive the rebuild.
        QCOMPARE(queryRows(path, "SELECT PROVINCIANAME FROM PROVINCIAS INDEXED BY IdxProvinciasCell WHERE YORD = 4 "
                                 "AND XORD = 99 UNION ALL SELECT seq FROM sqlite_sequence WHERE name = 'PROVINCIAS'"),
                 (QStringList{"P399", "400"}));
        QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList{"Arvenna.mdb"}); // nothing left beside it
    }

    // A file with a database header but unreadable pages is refused through
    // the maintenance routine's own test.
    void unreadableFilesAreRefusedWithTheirReason()
    {
        TestHome home;
        home.writeFile("Text.mdb", "no database");
        QStringList reasons;
        for (const char* name : {"Text.mdb", "Missing.mdb"}) {
            try {
                LockedDatabase database(home.file(name));
            } catch (const DatabaseError& error) {
                reasons << failureMessage(error, home.file(name));
            }
        }
        QCOMPARE(reasons, (QStringList{"[" + home.file("Text.mdb") + "] is not a game database.\nfile is not a database",
                                       "Could not find file '" + home.file("Missing.mdb") + "'."}));
        QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList{"Text.mdb"}); // no lock file stays
        QCOMPARE(fileBytes(home.file("Text.mdb")), QByteArray("no database"));
    }

    // The file is rewritten in place: a hard link to it sees the compacted
    // database, and another connection that stayed open can write on.
    void compactionRewritesTheFileItself()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
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

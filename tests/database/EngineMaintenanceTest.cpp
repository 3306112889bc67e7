// Repair in place and compaction at the engine level.
#include "TestHome.h"
#include "database/Database.h"
#include "database/DatabaseError.h"
#include "database/EngineMaintenance.h"

#include <QFile>
#include <QtTest>

using namespace arvenna;

namespace {
int provinceCount(const QString& path)
{
    Database db = Database::open(path);
    RecordSet rows = db.openRecordSet(QStringLiteral("SELECT * FROM PROVINCIAS"), RecordSetType::Snapshot);
    rows.moveLast();
    return rows.recordCount();
}

void addProvinces(const QString& path, int count)
{
    QString sql;
    for (int i = 0; i < count; ++i)
        sql += QStringLiteral("INSERT INTO PROVINCIAS (PROVINCIANAME, XORD, YORD, TERRAINID) VALUES ('P%1', %2, %3, 4);")
                   .arg(i).arg(i % 100).arg(1 + i / 100);
    runSql(path, sql);
}

// Overwrites one page of the file with garbage.
void damagePage(const QString& path, qint64 page)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek((page - 1) * 4096));
    QCOMPARE(file.write(QByteArray(4096, char(0x5A))), qint64(4096));
}

qint64 rootPage(const QString& path, const QString& index)
{
    Database db = Database::open(path);
    RecordSet row = db.openRecordSet(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = ?"),
                                     RecordSetType::Snapshot, {index});
    return row.integer(QStringLiteral("rootpage"));
}
} // namespace

class EngineMaintenanceTest : public QObject {
    Q_OBJECT

private slots:
    void healthyFileIsLeftAlone()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        const QByteArray before = fileBytes(path);
        QCOMPARE(repairDatabaseFile(path), false);
        QCOMPARE(fileBytes(path), before);
    }

    void damagedIndexIsRebuiltFromTheRows()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        addProvinces(path, 400);
        damagePage(path, rootPage(path, QStringLiteral("IdxProvinciasCell")));

        QCOMPARE(repairDatabaseFile(path), true);
        QCOMPARE(provinceCount(path), 400);
        QCOMPARE(repairDatabaseFile(path), false); // now it passes the check
        Database db = Database::open(path);
        RecordSet found = db.openRecordSet(QStringLiteral("SELECT * FROM PROVINCIAS WHERE YORD = ? AND XORD = ?"),
                                           RecordSetType::Snapshot, {4, 99});
        QCOMPARE(found.text(QStringLiteral("PROVINCIANAME")), QStringLiteral("P399"));
        RecordSet add = db.openRecordSet(QStringLiteral("SELECT * FROM PROVINCIAS"));
        add.addNew();
        QCOMPARE(add.integer(QStringLiteral("PROVINCIAID")), 401); // counters survive the rebuild
        QCOMPARE(QDir(home.path()).entryList(QDir::Files).size(), 1); // no rebuild file left behind
    }

    void unreadableFileFailsUntouched()
    {
        TestHome home;
        QByteArray garbage("SQLite format 3", 16);
        garbage += QByteArray(8192, char(0x33));
        home.writeFile(QStringLiteral("Broken.mdb"), garbage);
        const QString path = home.file(QStringLiteral("Broken.mdb"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, repairDatabaseFile(path));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, compactDatabaseFile(path, home.file(QStringLiteral("Out.mdb"))));
        QCOMPARE(fileBytes(path), garbage);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, repairDatabaseFile(home.file(QStringLiteral("Missing.mdb"))));
    }

    void compactionWritesASmallerCopy()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        addProvinces(path, 2000);
        runSql(path, QStringLiteral("DELETE FROM PROVINCIAS WHERE PROVINCIAID > 10"));
        const QByteArray before = fileBytes(path);
        const QString target = home.file(QStringLiteral("Compact.mdb"));
        home.writeFile(QStringLiteral("Compact.mdb"), "stale work file");
        compactDatabaseFile(path, target);
        QCOMPARE(fileBytes(path), before);
        QVERIFY(fileBytes(target).size() < before.size());
        QCOMPARE(provinceCount(target), 10);
    }

    void copyingReplacesWholeOrNotAtAll()
    {
        TestHome home;
        home.writeFile(QStringLiteral("a"), "new content");
        home.writeFile(QStringLiteral("b"), "old content");
        QVERIFY(replaceFileWithCopy(home.file(QStringLiteral("a")), home.file(QStringLiteral("b"))));
        QCOMPARE(fileBytes(home.file(QStringLiteral("b"))), QByteArray("new content"));
        QVERIFY(!replaceFileWithCopy(home.file(QStringLiteral("missing")), home.file(QStringLiteral("b"))));
        QVERIFY(!replaceFileWithCopy(home.file(QStringLiteral("a")), home.file(QStringLiteral("no/such/dir/b"))));
        QCOMPARE(fileBytes(home.file(QStringLiteral("b"))), QByteArray("new content"));
    }
};

QTEST_GUILESS_MAIN(EngineMaintenanceTest)
#include "EngineMaintenanceTest.moc"

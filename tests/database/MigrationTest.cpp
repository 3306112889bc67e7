// The program's own schema changes: applied in order when a game is opened
// for writing, recorded in user_version, never when it is only read; new
// games are made at the latest.
#include "TestHome.h"
#include "database/Database.h"
#include "database/DatabaseError.h"
#include "database/GameSession.h"
#include "database/Migrations.h"
#include "database/NewDatabase.h"

#include <QtTest>

using namespace arvenna;

namespace {
const QString kCaption = QStringLiteral("Arvenna G2 [Arvenna.mdb]");

// Cell (7, 2) holds three provinces stored by programs that wrote at once,
// cell (8, 2) two, one of them without a turn stamp; (3, 1) one.
const QString kDuplicates = QStringLiteral(R"(
INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID, RULLERID, COMMENTS, North, West) VALUES
  (1, 'Old Moor', 7, 2, 4, 5, '10', 'ab08', NULL),
  (2, 'Greenvale', 3, 1, 4, NULL, '12', NULL, NULL),
  (3, 'New Moor', 7, 2, 4, NULL, '14', NULL, 'ab06'),
  (4, 'Mid Moor', 7, 2, 4, 9, '12', '', NULL),
  (5, 'Unstamped', 8, 2, 6, NULL, ' ', 'ac08', NULL),
  (6, 'Stamped', 8, 2, 6, NULL, '3', NULL, NULL);
INSERT INTO LOCALS (LOCALID, PROVINCEID, LOCALNUMBER, LocalName, LocationTypeID, PROVINCIASAFE) VALUES
  (1, 1, '2360', 'Oakford', 2, 1), (2, 4, '2361', 'Elmford', 1, 0), (3, 2, '2362', 'Ashford', 2, 0);
INSERT INTO INNERLOCATIONS (INNERLOCALID, ProvinceID, LocalNumber, LocalNAme, InnerTypeID) VALUES
  (1, 1, '7001', 'Old Keep', 1), (2, 5, '7002', 'Deep Mine', 3), (3, 2, '7003', 'Green Inn', 4);
)");

// The route table as the game holds it, or nothing.
const QStringList kRoutesTable{
    "CREATE TABLE ROUTES (ROUTEID INTEGER PRIMARY KEY, PROVINCECODE TEXT NOT NULL, DIRECTION TEXT NOT NULL, "
    "DESTCODE TEXT NOT NULL, DESTNAME TEXT NOT NULL DEFAULT '', DAYS INTEGER, TURN INTEGER NOT NULL, "
    "UNIQUE (PROVINCECODE, DIRECTION))"};

QStringList routesTable(const QString& path)
{
    return queryRows(path, "SELECT sql FROM sqlite_master WHERE type = 'table' AND name = 'ROUTES'");
}

QString userVersion(const QString& path)
{
    return queryRows(path, "PRAGMA user_version").constFirst();
}
} // namespace

class MigrationTest : public QObject {
    Q_OBJECT

private slots:
    // Duplicates are merged into the province of the latest turn stamp, which
    // gains their cities, inner locations and the knowledge it lacked; the
    // cell index is then unique.
    void duplicateProvincesAreMergedWhenOpenedForWriting()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        runSql(path, kDuplicates);
        const QString unchanged = userVersion(path);
        QCOMPARE(unchanged, QStringLiteral("0"));

        GameSession reader;
        QCOMPARE(reader.open(kCaption, path), GameSession::OpenResult::Opened);
        reader.close();
        QCOMPARE(userVersion(path), unchanged); // a reader changes nothing

        GameSession game;
        QCOMPARE(game.open(kCaption, path, GameAccess::Writer), GameSession::OpenResult::Opened);
        QCOMPARE(game.openingNotices,
                 QStringList{"The game database [" + path + "] held 3 provinces on cells that already had one: each "
                             "was merged into the province of the latest turn on its cell."});
        QCOMPARE(queryRows(path, "SELECT PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID, RULLERID, COMMENTS, North, "
                                 "West FROM PROVINCIAS ORDER BY PROVINCIAID"),
                 (QStringList{"2|Greenvale|3|1|4|NULL|12|NULL|NULL", "3|New Moor|7|2|4|9|14|ab08|ab06",
                              "6|Stamped|8|2|6|NULL|3|ac08|NULL"}));
        QCOMPARE(queryRows(path, "SELECT LOCALID, PROVINCEID FROM LOCALS ORDER BY LOCALID"),
                 (QStringList{"1|3", "2|3", "3|2"}));
        QCOMPARE(queryRows(path, "SELECT INNERLOCALID, ProvinceID FROM INNERLOCATIONS ORDER BY INNERLOCALID"),
                 (QStringList{"1|3", "2|6", "3|2"}));
        QCOMPARE(userVersion(path), QString::number(latestMigration()));
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 game.CurrentConnection->DatabaseConnection().execute(
                                     "INSERT INTO PROVINCIAS (PROVINCIANAME, XORD, YORD) VALUES ('Again', 7, 2)"));
        game.close();

        // Opened again, there is nothing left to do.
        QCOMPARE(game.open(kCaption, path, GameAccess::Writer), GameSession::OpenResult::Opened);
        QCOMPARE(game.openingNotices, QStringList());
    }

    // A game without duplicates gains the index silently; a new game is
    // made at the latest migration.
    void newAndCleanGamesAreBroughtToTheLatest()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Quorvane.mdb");
        GameSession game;
        QCOMPARE(game.open("QVR game 1 [Quorvane.mdb]", path, GameAccess::Writer), GameSession::OpenResult::Opened);
        QCOMPARE(game.openingNotices, QStringList());
        QCOMPARE(userVersion(path), QString::number(latestMigration()));
        QCOMPARE(queryRows(path, "SELECT sql FROM sqlite_master WHERE name = 'IdxProvinciasCell'"),
                 QStringList{"CREATE UNIQUE INDEX IdxProvinciasCell ON PROVINCIAS (YORD, XORD)"});
        QCOMPARE(routesTable(path), kRoutesTable);
        game.close();

        NewGameDatabase created(home.path(), QStringLiteral("Fresh"));
        QVERIFY(created.copyTemplate(QStringLiteral(ARVENNA_BUILT_HOME "/Arvenna.mdb")));
        created.finish(GameFamily::Arvenna, 3);
        QCOMPARE(userVersion(created.path()), QString::number(latestMigration()));
        QCOMPARE(routesTable(created.path()), kRoutesTable);
    }

    // A game an earlier version of the program already brought to its first
    // migration gains the route table, and only when opened for writing.
    void anEarlierGameGainsTheRouteTable()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        runSql(path, "PRAGMA user_version = 1");
        GameSession reader;
        QCOMPARE(reader.open(kCaption, path), GameSession::OpenResult::Opened);
        reader.close();
        QCOMPARE(routesTable(path), QStringList());

        GameSession game;
        QCOMPARE(game.open(kCaption, path, GameAccess::Writer), GameSession::OpenResult::Opened);
        QCOMPARE(game.openingNotices, QStringList());
        QCOMPARE(userVersion(path), QStringLiteral("2"));
        QCOMPARE(routesTable(path), kRoutesTable);
    }
};

QTEST_GUILESS_MAIN(MigrationTest)
#include "MigrationTest.moc"

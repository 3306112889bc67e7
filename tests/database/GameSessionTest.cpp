// Opening a game: from its menu caption through the one connection, and as
// the whole game the program shows.
#include "TestHome.h"
#include "database/DatabaseCaption.h"
#include "database/DatabaseError.h"
#include "database/GameSession.h"
#include "model/MapModel.h"
#include "view/GameOpening.h"
#include "view/MapView.h"

#include <QtTest>

using namespace arvenna;

class GameSessionTest : public QObject {
    Q_OBJECT

private slots:
    void captionsNameTheirFile()
    {
        QCOMPARE(databaseMenuCaption("QVR game 1", "Quorvane.mdb"), QStringLiteral("QVR game 1 [Quorvane.mdb]"));
        QCOMPARE(descriptionFromCaption("  Arvenna G2 [Arvenna.mdb]", "Arvenna.mdb"), QStringLiteral("Arvenna G2"));
        QCOMPARE(descriptionFromCaption("Arvenna G2 [main] [a [b].mdb]", "a [b].mdb"), QStringLiteral("Arvenna G2 [main]"));
    }

    void opensClosesAndRefusesTheConnection()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        GameSession game;
        QCOMPARE(game.open(" Arvenna G2 [Arvenna.mdb] ", path), GameSession::OpenResult::Opened);
        QCOMPARE((QStringList{game.CurrentDBName, game.CurrentDBDesc, game.CurrentConnection->DBName()}),
                 (QStringList{path, "Arvenna G2", path}));
        QVERIFY(game.CurrentConnection->ConnectionActive());

        // A second game replaces the first connection.
        const QString second = home.addGameDatabase("Quorvane.mdb");
        QCOMPARE(game.open("QVR game 1 [Quorvane.mdb]", second), GameSession::OpenResult::Opened);
        QCOMPARE((QStringList{game.CurrentDBName, game.CurrentDBDesc}), (QStringList{second, "QVR game 1"}));

        game.close();
        QVERIFY(!game.isOpen());
        QCOMPARE(game.CurrentDBName, QString());
        QVERIFY(!game.CurrentConnection);

        // What it cannot open leaves no game open.
        QCOMPARE(game.open("No Database Found", QString()), GameSession::OpenResult::NotADatabaseEntry);
        QCOMPARE(game.open("Arvenna G2 [Gone.mdb]", home.file("Gone.mdb")), GameSession::OpenResult::FileMissing);
        home.writeFile("Swapped.mdb", "replaced since the menus were built");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, game.open("Arvenna G2 [Swapped.mdb]", home.file("Swapped.mdb")));
        QVERIFY(!game.isOpen());
        QCOMPARE(game.CurrentDBName, QString());

        ClassConnection connection;
        connection.ConnectionClose(); // closing what never opened does nothing
        QVERIFY(!connection.ConnectionActive());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, connection.DatabaseConnection());
    }

    void aGameOpensWholeOrNotAtAll()
    {
        TestHome home;
        const QString arvenna = home.addGameDatabase("Arvenna.mdb");
        const QString quorvane = home.addGameDatabase("Quorvane.mdb");
        runSql(arvenna, "INSERT INTO PROVINCIAS (PROVINCIANAME, XORD, YORD, TERRAINID) VALUES ('Greenvale', 2, 3, 4)");
        runSql(quorvane, "UPDATE TERRAIN SET TERRAINDESCRIPTION = 'Inferno' WHERE TERRAINID = 9;"
                         "INSERT INTO PROVINCIAS (PROVINCIANAME, XORD, YORD, TERRAINID) VALUES ('Huge', 1, 1, 70000)");
        GameSession game;
        MapModel model;
        MapView view;
        QCOMPARE(openGame(arvenna, game, model, view), GameSession::OpenResult::Opened);
        QCOMPARE((QStringList{game.CurrentDBName, game.CurrentDBDesc}), (QStringList{arvenna, "Arvenna G2"}));
        QVERIFY(view.MapOpen);
        QCOMPARE(view.XCells, 30);
        QCOMPARE(model.Provinces.Item("ac02").ProvinceName, QStringLiteral("Greenvale"));
        const QStringList terrains = model.lists.ProvTerrain.names;
        QCOMPARE(terrains.value(9), QStringLiteral("Hades"));

        // A load that fails half-way leaves nothing of the new game in the
        // model, its reference lists included, and no game open.
        QVERIFY_THROWS_EXCEPTION(DatabaseError, openGame(quorvane, game, model, view));
        QVERIFY(!game.isOpen());
        QVERIFY(!view.MapOpen);
        QCOMPARE(model.lists.ProvTerrain.names, terrains);
        QCOMPARE(model.Provinces.Item("ac02").ProvinceName, QStringLiteral("Greenvale"));

        // The session's own path may be handed back to it.
        QCOMPARE(openGame(arvenna, game, model, view), GameSession::OpenResult::Opened);
        QCOMPARE(openGame(game.CurrentDBName, game, model, view), GameSession::OpenResult::Opened);
        QCOMPARE(game.CurrentDBName, arvenna);
        QCOMPARE(openGame(home.file("Gone.mdb"), game, model, view), GameSession::OpenResult::FileMissing);
        QVERIFY(!game.isOpen());
        QVERIFY(!view.MapOpen);
    }
};

QTEST_GUILESS_MAIN(GameSessionTest)
#include "GameSessionTest.moc"

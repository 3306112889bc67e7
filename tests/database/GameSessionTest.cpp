// Opening a game: from its menu caption through the one connection, and as
// the whole game the program shows, format check included.
#include "ScriptedDialogue.h"
#include "TestHome.h"
#include "database/DatabaseCaption.h"
#include "database/DatabaseDiscovery.h"
#include "database/DatabaseError.h"
#include "database/FormatVersion.h"
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

    void opensAndClosesTheConnection()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        GameSession game;
        QCOMPARE(game.open(QStringLiteral(" Arvenna G2 [Arvenna.mdb] "), path),
                 GameSession::OpenResult::Opened);
        QCOMPARE(game.CurrentDBName, path);
        QCOMPARE(game.CurrentDBDesc, QStringLiteral("Arvenna G2"));
        QVERIFY(game.CurrentConnection->ConnectionActive());
        QCOMPARE(game.CurrentConnection->DBName(), path);
        RecordSet setup = game.CurrentConnection->DatabaseConnection().openRecordSet(QStringLiteral("SELECT * FROM SETUP"));
        QCOMPARE(setup.text(QStringLiteral("GAMETYPE")), QStringLiteral("G"));
        setup.close();

        // A second game replaces the first connection.
        const QString second = home.addGameDatabase(QStringLiteral("Quorvane.mdb"));
        QCOMPARE(game.open(QStringLiteral("QVR game 1 [Quorvane.mdb]"), second),
                 GameSession::OpenResult::Opened);
        QCOMPARE(game.CurrentDBDesc, QStringLiteral("QVR game 1"));

        game.close();
        QVERIFY(!game.isOpen());
        QCOMPARE(game.CurrentDBName, QString());
        QVERIFY(!game.CurrentConnection);
    }

    void refusesWhatItCannotOpen()
    {
        TestHome home;
        GameSession game;
        QCOMPARE(game.open(QStringLiteral("No Database Found"), QString()),
                 GameSession::OpenResult::NotADatabaseEntry);
        QCOMPARE(game.open(QStringLiteral("Arvenna G2 [Arvenna.mdb]"), home.file(QStringLiteral("Arvenna.mdb"))),
                 GameSession::OpenResult::FileMissing);
        home.writeFile(QStringLiteral("Swapped.mdb"), "replaced since the menus were built");
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 game.open(QStringLiteral("Arvenna G2 [Swapped.mdb]"), home.file(QStringLiteral("Swapped.mdb"))));
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
        const QString arvenna = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        const QString quorvane = home.addGameDatabase(QStringLiteral("Quorvane.mdb"));
        runSql(arvenna, QStringLiteral("INSERT INTO PROVINCIAS (PROVINCIANAME, XORD, YORD, TERRAINID) VALUES ('Greenvale', 2, 3, 4)"));
        runSql(quorvane, QStringLiteral("UPDATE TERRAIN SET TERRAINDESCRIPTION = 'Inferno' WHERE TERRAINID = 9;"
                                        "INSERT INTO PROVINCIAS (PROVINCIANAME, XORD, YORD, TERRAINID) VALUES ('Huge', 1, 1, 70000)"));
        GameSession game;
        MapModel model;
        MapView view;
        QCOMPARE(openGame(arvenna, game, model, view), GameSession::OpenResult::Opened);
        QCOMPARE(game.CurrentDBName, arvenna);
        QCOMPARE(game.CurrentDBDesc, QStringLiteral("Arvenna G2"));
        QVERIFY(view.MapOpen);
        QCOMPARE(view.XCells, 30);
        QCOMPARE(model.Provinces.Item(QStringLiteral("ac02")).ProvinceName, QStringLiteral("Greenvale"));
        const QStringList terrains = model.lists.ProvTerrain.names;
        QCOMPARE(terrains.value(9), QStringLiteral("Hades"));

        // A load that fails half-way leaves nothing of the new game in the
        // model, its reference lists included, and no game open.
        QVERIFY_THROWS_EXCEPTION(DatabaseError, openGame(quorvane, game, model, view));
        QVERIFY(!game.isOpen());
        QVERIFY(!view.MapOpen);
        QCOMPARE(model.lists.ProvTerrain.names, terrains);
        QCOMPARE(model.Provinces.Item(QStringLiteral("ac02")).ProvinceName, QStringLiteral("Greenvale"));

        // The session's own path may be handed back to it.
        QCOMPARE(openGame(arvenna, game, model, view), GameSession::OpenResult::Opened);
        QCOMPARE(openGame(game.CurrentDBName, game, model, view), GameSession::OpenResult::Opened);
        QCOMPARE(game.CurrentDBName, arvenna);
        QCOMPARE(openGame(home.file(QStringLiteral("Gone.mdb")), game, model, view),
                 GameSession::OpenResult::FileMissing);
        QVERIFY(!game.isOpen());
        QVERIFY(!view.MapOpen);
    }

    // The menus and the opening refuse the same databases: the format
    // version is compared as a number.
    void theFormatVersionIsComparedAsANumber()
    {
        TestHome home;
        const QStringList versions{"5.9", "6", "5.5", "6.5", "NULL", "'six'"};
        QStringList paths;
        for (qsizetype i = 0; i < versions.size(); ++i) {
            paths << home.addGameDatabase(QStringLiteral("Arvenna.mdb"), QStringLiteral("V%1.mdb").arg(i));
            runSql(paths.last(), QStringLiteral("UPDATE SETUP SET MDBVers = %1").arg(versions.at(i)));
        }
        const QString blank = home.addGameDatabase(QStringLiteral("Arvenna.mdb"), QStringLiteral("W.mdb"));
        runSql(blank, QStringLiteral("DELETE FROM SETUP"));

        DatabaseMenus menus;
        ScriptedDialogue dialogue;
        QCOMPARE(discoverDatabases(home.path(), menus, dialogue), DiscoveryOutcome::Listed);
        QCOMPARE(menus.paths, (QStringList{paths.at(1), paths.at(3)}));
        QCOMPARE(dialogue.texts(), (QStringList{tooOldMessage(paths.at(0)), tooOldMessage(paths.at(2)),
                                                tooOldMessage(paths.at(4)), tooOldMessage(paths.at(5))}));

        QStringList refusals;
        for (const QString& path : paths + QStringList{blank}) {
            GameSession game;
            MapModel model;
            MapView view;
            try {
                QCOMPARE(openGame(path, game, model, view), GameSession::OpenResult::Opened);
                refusals << QStringLiteral("opened");
            } catch (const DatabaseError& error) {
                refusals << error.message();
                QVERIFY(!game.isOpen());
            }
        }
        QCOMPARE(refusals, (QStringList{tooOldMessage(paths.at(0)), "opened", tooOldMessage(paths.at(2)), "opened",
                                        tooOldMessage(paths.at(4)), tooOldMessage(paths.at(5)),
                                        "The database [" + blank + "] holds no game description."}));
    }
};

QTEST_GUILESS_MAIN(GameSessionTest)
#include "GameSessionTest.moc"

// Opening a game from its menu caption through the one connection.
#include "TestHome.h"
#include "database/DatabaseCaption.h"
#include "database/DatabaseError.h"
#include "database/GameSession.h"

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
};

QTEST_GUILESS_MAIN(GameSessionTest)
#include "GameSessionTest.moc"

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
        QCOMPARE(fileNameFromCaption("Arvenna G2 [Arvenna.mdb]"), std::optional<QString>("Arvenna.mdb"));
        QCOMPARE(fileNameFromCaption("odd [a [b].mdb]"), std::optional<QString>("a [b].mdb"));
        QCOMPARE(fileNameFromCaption("No Database Found"), std::nullopt);
        QCOMPARE(fileNameFromCaption("["), std::optional<QString>(""));
        QCOMPARE(descriptionFromCaption("  Arvenna G2 [Arvenna.mdb]"), QStringLiteral("Arvenna G2"));
    }

    void opensAndClosesTheConnection()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        GameSession game;
        QCOMPARE(game.openFromCaption(QStringLiteral(" Arvenna G2 [Arvenna.mdb] "), home.path()),
                 GameSession::OpenResult::Opened);
        QCOMPARE(game.CurrentDBName, path);
        QCOMPARE(game.CurrentDBDesc, QStringLiteral("Arvenna G2"));
        QVERIFY(game.CurrentConnection->ConnectionActive());
        QCOMPARE(game.CurrentConnection->DBName(), path);
        RecordSet setup = game.CurrentConnection->DatabaseConnection().openRecordSet(QStringLiteral("SELECT * FROM SETUP"));
        QCOMPARE(setup.text(QStringLiteral("GAMETYPE")), QStringLiteral("G"));
        setup.close();

        // A second game replaces the first connection.
        home.addGameDatabase(QStringLiteral("Quorvane.mdb"));
        QCOMPARE(game.openFromCaption(QStringLiteral("QVR game 1 [Quorvane.mdb]"), home.path()),
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
        QCOMPARE(game.openFromCaption(QStringLiteral("No Database Found"), home.path()),
                 GameSession::OpenResult::NotADatabaseEntry);
        QCOMPARE(game.openFromCaption(QStringLiteral("Arvenna G2 [Arvenna.mdb]"), home.path()),
                 GameSession::OpenResult::FileMissing);
        home.writeFile(QStringLiteral("Swapped.mdb"), "replaced since the menus were built");
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 game.openFromCaption(QStringLiteral("Arvenna G2 [Swapped.mdb]"), home.path()));
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

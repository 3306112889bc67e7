// The command-line tool as a script would run it.
#include "CliRun.h"
#include "TestHome.h"

#include <QtTest>

using namespace arvenna;

class CliTest : public QObject {
    Q_OBJECT

private slots:
    void listsTheGames()
    {
        TestHome home;
        home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        home.addGameDatabase(QStringLiteral("Quorvane.mdb"));
        CliRun run = runCli({QStringLiteral("list"), QStringLiteral("--home"), home.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Arvenna G2 [Arvenna.mdb]\nQVR game 1 [Quorvane.mdb]\n"));
        QCOMPARE(run.err, QString());

        const QString old = home.addGameDatabase(QStringLiteral("Arvenna.mdb"), QStringLiteral("Older.mdb"));
        runSql(old, QStringLiteral("UPDATE SETUP SET MDBVers = 5"));
        run = runCli({QStringLiteral("list"), QStringLiteral("--home"), home.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Arvenna G2 [Arvenna.mdb]\nQVR game 1 [Quorvane.mdb]\n"));
        QCOMPARE(run.err, QStringLiteral("Error with : ") + old
                     + "\nThe Database version is too old to be used by this version, please request an update.\n");

        TestHome empty;
        run = runCli({QStringLiteral("list"), QStringLiteral("--home"), empty.path()});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("Could not find any database, location must be the same as database\n"));
    }

    void repairsAndCompacts()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        CliRun run = runCli({QStringLiteral("repair"), path, QStringLiteral("--home"), home.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QStringLiteral("Process completed Sucessfully!\n[") + path + "]\n");
        run = runCli({QStringLiteral("compact"), path, QStringLiteral("--home"), home.path()});
        QCOMPARE(run.status, 0);

        home.writeFile(QStringLiteral("Broken.mdb"), "not a database");
        run = runCli({QStringLiteral("compact"), home.file(QStringLiteral("Broken.mdb")), QStringLiteral("--home"), home.path()});
        QCOMPARE(run.status, 1);
        QCOMPARE(fileBytes(home.file(QStringLiteral("Broken.mdb"))), QByteArray("not a database"));
        QCOMPARE(QDir(home.path()).entryList({QStringLiteral("TempDB*")}), QStringList());
        run = runCli({QStringLiteral("repair"), home.file(QStringLiteral("Missing.mdb"))});
        QCOMPARE(run.status, 1);
    }

    void everyCommandThatOpensAGameChecksItsFormat()
    {
        TestHome home;
        const QString old = home.addGameDatabase(QStringLiteral("Arvenna.mdb"), QStringLiteral("Older.mdb"));
        runSql(old, QStringLiteral("UPDATE SETUP SET MDBVers = 5.9"));
        const QString png = home.file(QStringLiteral("map.png"));
        const QString refusal = QStringLiteral("Error with : ") + old
                                + "\nThe Database version is too old to be used by this version, please request an update.\n";
        const QList<QStringList> commands{
            {"list", "--home", home.path()},
            {"show", "--db", old, "aa00"},
            {"render", "--db", old, "-o", png},
            {"read", "--db", old, home.file(QStringLiteral("turn.txt"))},
        };
        for (const QStringList& command : commands) {
            const CliRun run = runCli(command);
            QCOMPARE(run.err, refusal);
            QCOMPARE(run.out, QString());
            QCOMPARE(run.status, 1);
        }
        QVERIFY(!QFile::exists(png));

        const CliRun missing = runCli({"show", "--db", home.file(QStringLiteral("Gone.mdb")), "aa00"});
        QCOMPARE(missing.status, 1);
        QCOMPARE(missing.err, "Could not find file '" + home.file(QStringLiteral("Gone.mdb")) + "'.\n");
    }

    void usageErrors()
    {
        QCOMPARE(runCli({}).status, 2);
        QCOMPARE(runCli({QStringLiteral("frobnicate")}).status, 2);
        QCOMPARE(runCli({QStringLiteral("repair")}).status, 2);
        QCOMPARE(runCli({QStringLiteral("list"), QStringLiteral("--bogus")}).status, 2);
        const CliRun help = runCli({QStringLiteral("list"), QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith(QStringLiteral("Usage: arvenna-map-cli list [options]")));
        QVERIFY(runCli({QStringLiteral("--help")}).out.contains(QStringLiteral("compact")));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "CliTest.moc"

// The command-line tool as a script would run it.
#include "CliRun.h"
#include "TestHome.h"

#include <QtTest>
#include <unistd.h>

using namespace arvenna;

namespace {
// A run whose stdout is kept as bytes (a picture), optionally as an
// unprivileged user, since root may write into any folder.
struct RawRun {
    int status;
    QByteArray out;
    QString err;
};

RawRun runRaw(const QStringList& arguments, bool unprivileged = false)
{
    QProcess process;
    if (unprivileged && geteuid() == 0) {
        process.setChildProcessModifier([] {
            const gid_t nobody = 65534;
            if (setgid(nobody) != 0 || setuid(nobody) != 0)
                _exit(99);
        });
    }
    process.start(QStringLiteral(ARVENNA_BUILT_HOME "/arvenna-map-cli"), arguments);
    if (!process.waitForFinished(60000))
        qFatal("arvenna-map-cli did not finish");
    return {process.exitCode(), process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}
} // namespace

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

    void dashWritesToStandardOutput()
    {
        TestHome home;
        const QString game = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        for (const auto& [command, name] : {std::pair{"render", "map.png"}, std::pair{"export", "map.html"}}) {
            const QString file = home.file(QString::fromLatin1(name));
            QCOMPARE(runCli({command, "--db", game, "-o", file}).status, 0);
            const RawRun toStdout = runRaw({command, "--db", game, "-o", "-"});
            QCOMPARE(toStdout.status, 0);
            QCOMPARE(toStdout.err, QString());
            QCOMPARE(toStdout.out, fileBytes(file));
        }
        QVERIFY(!QFile::exists(QStringLiteral("-")));
    }

    void unusableFoldersAreNamed()
    {
        TestHome home;
        const QString missing = home.file(QStringLiteral("nowhere"));
        for (const QStringList& command : QList<QStringList>{{"list", "--home", missing},
                                                            {"create", "--type", "g", "--number", "3", "New", "--home", missing}}) {
            const CliRun run = runCli(command);
            QCOMPARE(run.status, 1);
            QCOMPARE(run.out, QString());
            QCOMPARE(run.err, QStringLiteral("The program directory [%1] does not exist.\n").arg(missing));
        }

        // A folder of games that cannot be written: the template is there, the new game cannot be.
        home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(home.file(QStringLiteral("Arvenna.mdb")), readOnly));
        QVERIFY(QFile::setPermissions(home.path(), readOnly | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther));
        const RawRun run = runRaw({"create", "--type", "g", "--number", "3", "New", "--home", home.path()}, true);
        QVERIFY(QFile::setPermissions(home.path(), readOnly | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(run.err, QStringLiteral("The folder [%1] cannot be written: the new database cannot be made there.\n")
                              .arg(home.path()));
        QCOMPARE(run.status, 1);
        QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList{"Arvenna.mdb"});
    }

    // A file discovery cannot list is named with its real cause, not as a
    // too old game.
    void listNamesWhyAFileIsNotListed()
    {
        TestHome home;
        home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        const QString cut = home.addGameDatabase(QStringLiteral("Arvenna.mdb"), QStringLiteral("Cut.mdb"));
        QVERIFY(QFile::resize(cut, 4096));
        home.writeFile(QStringLiteral("Empty.mdb"), QByteArray());
        runSql(home.file(QStringLiteral("Other.mdb")), QStringLiteral("CREATE TABLE NOTES (NOTE TEXT)"));
        home.writeFile(QStringLiteral("Random.mdb"), QByteArray(5000, 'r'));
        const CliRun run = runCli({QStringLiteral("list"), QStringLiteral("--home"), home.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Arvenna G2 [Arvenna.mdb]\n"));
        QCOMPARE(run.err.split(QLatin1Char('\n')),
                 (QStringList{"The game database [" + cut + "] is damaged.", "database disk image is malformed",
                              "[" + home.file("Empty.mdb") + "] is not a game database.", "file is not a database",
                              "[" + home.file("Other.mdb") + "] is not a game database.",
                              "The database holds no table SETUP.",
                              "[" + home.file("Random.mdb") + "] is not a game database.", "file is not a database",
                              ""}));
    }

    // With --home, a bare file name is the program directory's, for the
    // maintenance commands and for --db.
    void bareNamesAreFoundInTheProgramDirectory()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Quorvane.mdb"));
        CliRun run = runCli({QStringLiteral("compact"), QStringLiteral("Quorvane.mdb"), QStringLiteral("--home"), home.path()});
        QCOMPARE(run.err, QStringLiteral("Process completed Sucessfully!\n[") + path + "]\n");
        QCOMPARE(run.status, 0);
        run = runCli({QStringLiteral("show"), QStringLiteral("--db"), QStringLiteral("Quorvane.mdb"), QStringLiteral("--home"),
                      home.path(), QStringLiteral("zz99")});
        QCOMPARE(run.err, QStringLiteral("There is no province \"zz99\" on this map.\n"));
        run = runCli({QStringLiteral("repair"), QStringLiteral("Nothing.mdb"), QStringLiteral("--home"), home.path()});
        QCOMPARE(run.err, "Could not find database [" + home.file(QStringLiteral("Nothing.mdb")) + "]\n");
        QCOMPARE(run.status, 1);
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
        const CliRun version = runCli({QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QStringLiteral("arvenna-map-cli " ARVENNA_VERSION "\n"));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "CliTest.moc"

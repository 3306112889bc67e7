// The command-line tool as a script would run it.
#include "TestHome.h"

#include <QProcess>
#include <QtTest>

namespace {
struct Run {
    int status;
    QString out;
    QString err;
};

Run cli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(ARVENNA_BUILT_HOME "/arvenna-map-cli"), arguments);
    if (!process.waitForFinished(60000))
        qFatal("arvenna-map-cli did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
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
        Run run = cli({QStringLiteral("list"), QStringLiteral("--home"), home.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Arvenna G2 [Arvenna.mdb]\nQVR game 1 [Quorvane.mdb]\n"));
        QCOMPARE(run.err, QString());

        const QString old = home.addGameDatabase(QStringLiteral("Arvenna.mdb"), QStringLiteral("Older.mdb"));
        runSql(old, QStringLiteral("UPDATE SETUP SET MDBVers = 5"));
        run = cli({QStringLiteral("list"), QStringLiteral("--home"), home.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Arvenna G2 [Arvenna.mdb]\nQVR game 1 [Quorvane.mdb]\n"));
        QCOMPARE(run.err, QStringLiteral("Error with : ") + old
                     + "\nThe Database version is too old to be used by this version, please request an update.\n");

        TestHome empty;
        run = cli({QStringLiteral("list"), QStringLiteral("--home"), empty.path()});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("Could not find any database, location must be the same as database\n"));
    }

    void repairsAndCompacts()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        Run run = cli({QStringLiteral("repair"), path, QStringLiteral("--home"), home.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QStringLiteral("Process completed Sucessfully!\n[") + path + "]\n");
        run = cli({QStringLiteral("compact"), path, QStringLiteral("--home"), home.path()});
        QCOMPARE(run.status, 0);

        home.writeFile(QStringLiteral("Broken.mdb"), "not a database");
        run = cli({QStringLiteral("compact"), home.file(QStringLiteral("Broken.mdb")), QStringLiteral("--home"), home.path()});
        QCOMPARE(run.status, 1);
        QCOMPARE(fileBytes(home.file(QStringLiteral("Broken.mdb"))), QByteArray("not a database"));
        QCOMPARE(QDir(home.path()).entryList({QStringLiteral("TempDB*")}), QStringList());
        run = cli({QStringLiteral("repair"), home.file(QStringLiteral("Missing.mdb"))});
        QCOMPARE(run.status, 1);
    }

    void usageErrors()
    {
        QCOMPARE(cli({}).status, 2);
        QCOMPARE(cli({QStringLiteral("frobnicate")}).status, 2);
        QCOMPARE(cli({QStringLiteral("repair")}).status, 2);
        QCOMPARE(cli({QStringLiteral("list"), QStringLiteral("--bogus")}).status, 2);
        const Run help = cli({QStringLiteral("list"), QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith(QStringLiteral("Usage: arvenna-map-cli list [options]")));
        QVERIFY(cli({QStringLiteral("--help")}).out.contains(QStringLiteral("compact")));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "CliTest.moc"

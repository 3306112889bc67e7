// "arvenna-map-cli read": what a player sees of a report, line by line.
#include "ReportFiles.h"

#include <QProcess>
#include <QtTest>

using namespace arvenna;

namespace {
struct CliRun {
    int exitCode = -1;
    QStringList out;
    QString err;
};

CliRun runRead(const QString& database, const QString& report)
{
    QProcess process;
    process.start(QDir(QStringLiteral(ARVENNA_BUILT_HOME)).filePath(QStringLiteral("arvenna-map-cli")),
                  {QStringLiteral("read"), QStringLiteral("--db"), database, report});
    if (!process.waitForFinished(60000))
        qFatal("arvenna-map-cli read did not finish");
    CliRun run{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n')),
               QString::fromUtf8(process.readAllStandardError())};
    return run;
}

QStringList expectedLines(const QString& name)
{
    const QString path = QStringLiteral(ARVENNA_TEST_DATA "/parser/expected/") + name + QStringLiteral(".out");
    return QString::fromUtf8(fileBytes(path)).split(QLatin1Char('\n'));
}
} // namespace

class ReadCommandTest : public QObject {
    Q_OBJECT

private slots:
    void printsEachSampleReportAsRead_data()
    {
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("report");
        QTest::newRow("main game") << "Arvenna.mdb" << "arvenna-g2-m42-turn57";
        QTest::newRow("main game, faction line first") << "Arvenna.mdb" << "arvenna-g2-m42-turn58";
        QTest::newRow("variant game") << "Quorvane.mdb" << "quorvane-qvr1-q17-turn14";
    }

    void printsEachSampleReportAsRead()
    {
        QFETCH(QString, database);
        QFETCH(QString, report);
        TestHome home;
        const CliRun run = runRead(home.addGameDatabase(database), sampleReport(report + QStringLiteral(".txt")));
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out, expectedLines(report));
        QCOMPARE(run.exitCode, 0);
    }

    void refusedReportsStillShowWhatWasRead()
    {
        TestHome home;
        const QString database = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        CliRun run = runRead(database, sampleReport(QStringLiteral("quorvane-qvr1-q17-turn14.txt")));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, (QStringList{"Turn: 0", "Faction:  []", "Noble 1:  [] at , loyalty , maximum aura 0",
                                       "Buffer:", ""}));
        QCOMPARE(run.err, QStringLiteral("This report is unsuitable to this Game type, please select Arvenna G2 reports!\n"));

        home.writeFile(QStringLiteral("cut.txt"),
                       reportWithLocations("Plain [ab01], plain, in Dale\n\nAl [1]\n\nFaction [a01]\n\nCharacters: 2\n"));
        run = runRead(database, home.file(QStringLiteral("cut.txt")));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out.mid(3), (QStringList{"Buffer:", "(LOC) Plain [ab01], plain, in Dale", "----(SEP)----",
                                              "(LOC) Al [1]", "----(SEP)----", ""}));
        QCOMPARE(run.err, QStringLiteral("Line 14: \" \" missing.\n"));

        run = runRead(home.file(QStringLiteral("None.mdb")), home.file(QStringLiteral("cut.txt")));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QStringList{QString()});
    }
};

QTEST_GUILESS_MAIN(ReadCommandTest)
#include "ReadCommandTest.moc"

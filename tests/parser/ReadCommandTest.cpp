// "arvenna-map-cli read": what a player sees of a report, line by line.
#include "CliRun.h"
#include "ReportFiles.h"

#include <QtTest>

using namespace arvenna;

namespace {
CliRun runRead(const QString& database, const QString& report)
{
    return runCli({QStringLiteral("read"), QStringLiteral("--db"), database, report});
}

QStringList lines(const QString& text)
{
    return text.split(QLatin1Char('\n'));
}

QStringList expectedLines(const QString& name)
{
    const QString path = QStringLiteral(ARVENNA_TEST_DATA "/parser/expected/") + name + QStringLiteral(".out");
    return lines(QString::fromUtf8(fileBytes(path)));
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
        QCOMPARE(lines(run.out), expectedLines(report));
        QCOMPARE(run.status, 0);
    }

    void refusedReportsStillShowWhatWasRead()
    {
        TestHome home;
        const QString database = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        CliRun run = runRead(database, sampleReport(QStringLiteral("quorvane-qvr1-q17-turn14.txt")));
        QCOMPARE(run.status, 1);
        QCOMPARE(lines(run.out), (QStringList{"Turn: 0", "Faction:  []", "Noble 1:  [] at , loyalty , maximum aura 0",
                                              "Buffer:", ""}));
        QCOMPARE(run.err, QStringLiteral("This report is unsuitable to this Game type, please select Arvenna G2 reports!\n"));

        home.writeFile(QStringLiteral("cut.txt"),
                       reportWithLocations("Plain [ab01], plain, in Dale\n\nAl [1]\n\nFaction [a01]\n\nCharacters: 2\n"));
        run = runRead(database, home.file(QStringLiteral("cut.txt")));
        QCOMPARE(run.status, 1);
        QCOMPARE(lines(run.out).mid(3), (QStringList{"Buffer:", "(LOC) Plain [ab01], plain, in Dale", "----(SEP)----",
                                                     "(LOC) Al [1]", "----(SEP)----", ""}));
        QCOMPARE(run.err, QStringLiteral("Line 14: \" \" missing.\n"));

        // An endless device is not read until memory runs out.
        run = runRead(database, QStringLiteral("/dev/zero"));
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("This report is unsuitable: it is larger than 64 MB!\n"));
    }
};

QTEST_GUILESS_MAIN(ReadCommandTest)
#include "ReadCommandTest.moc"

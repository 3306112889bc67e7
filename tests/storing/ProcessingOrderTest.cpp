// Knowledge is decided by turn, never by the order of processing: a season
// of reports of four factions gives the same game in turn order, newest
// first (through the command-line tool, as a player would run it) and
// shuffled.
#include "CliRun.h"
#include "StoringGame.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

using namespace arvenna;

namespace {
struct SeasonReport {
    int turn = 0;
    QString path;
};

// The season's reports in file-name order, which is turn order.
QList<SeasonReport> writeSeason(const QString& dir)
{
    QProcess writer;
    writer.start(QStringLiteral(ARVENNA_MAKE_REPORTS), {QStringLiteral("season"), dir});
    if (!writer.waitForFinished(120000) || writer.exitCode() != 0)
        qFatal("make-reports failed: %s", writer.readAllStandardError().constData());
    QList<SeasonReport> season;
    const QRegularExpression turn(QStringLiteral("turn(\\d+)"));
    for (const QString& name : QDir(dir).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        season.append({turn.match(name).captured(1).toInt(), QDir(dir).filePath(name)});
    return season;
}

QStringList pathsOf(const QList<SeasonReport>& reports)
{
    QStringList paths;
    for (const SeasonReport& report : reports)
        paths << report.path;
    return paths;
}

// Newest turn first; reports of one turn keep their relative order.
QList<SeasonReport> newestFirst(QList<SeasonReport> reports)
{
    std::stable_sort(reports.begin(), reports.end(),
                     [](const SeasonReport& a, const SeasonReport& b) { return a.turn > b.turn; });
    return reports;
}

// A random order of the turns' reports; reports of one turn keep their
// relative order, since between them the later processed wins.
QList<SeasonReport> shuffled(const QList<SeasonReport>& reports, quint32 seed)
{
    QList<SeasonReport> order = reports;
    QRandomGenerator random(seed);
    for (qsizetype i = order.size() - 1; i > 0; --i)
        order.swapItemsAt(i, qsizetype(random.bounded(quint32(i + 1))));
    QMap<int, QList<SeasonReport>> byTurn;
    for (const SeasonReport& report : reports)
        byTurn[report.turn].append(report);
    for (SeasonReport& slot : order)
        slot = byTurn[slot.turn].takeFirst();
    return order;
}

} // namespace

class ProcessingOrderTest : public QObject {
    Q_OBJECT

private slots:
    void aSeasonGivesOneGameInAnyOrder()
    {
        QTemporaryDir reports;
        const QList<SeasonReport> season = writeSeason(reports.path());
        QCOMPARE(season.size(), 24);

        StoringGame inTurnOrder;
        for (const FileOutcome& outcome : inTurnOrder.process(pathsOf(season)))
            QVERIFY2(outcome.processed, qPrintable(outcome.path + ": " + outcome.reason));

        TestHome cliHome;
        const QString newest = cliHome.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        const CliRun cli =
            runCli(QStringList{QStringLiteral("process"), QStringLiteral("--db"), newest} + pathsOf(newestFirst(season)));
        QCOMPARE(cli.status, 0);

        StoringGame shuffledGame;
        for (const FileOutcome& outcome : shuffledGame.process(pathsOf(shuffled(season, 20261207u))))
            QVERIFY2(outcome.processed, qPrintable(outcome.path + ": " + outcome.reason));

        const GameKnowledge expected = gameKnowledge(inTurnOrder.path);
        for (const GameKnowledge& other : {gameKnowledge(newest), gameKnowledge(shuffledGame.path)}) {
            for (qsizetype table = 0; table < expected.size(); ++table) {
                QVERIFY2(!expected[table].second.isEmpty(), qPrintable(expected[table].first));
                QCOMPARE(other[table].second, expected[table].second);
            }
        }
    }
};

QTEST_GUILESS_MAIN(ProcessingOrderTest)
#include "ProcessingOrderTest.moc"

// The find command prints what "Find..." lists, a line per match.
#include "CliRun.h"
#include "FindWorld.h"

#include <QProcess>
#include <QtTest>

using namespace arvenna;

namespace {
CliRun find(const FindWorld& world, const QStringList& text)
{
    return runCli(QStringList{QStringLiteral("find"), QStringLiteral("--db"), world.path} + text);
}

// Exit status, stdout and stderr of a run, for comparing them at once.
QStringList outcome(const CliRun& run)
{
    return {QString::number(run.status), run.out, run.err};
}
} // namespace

class FindCliTest : public QObject {
    Q_OBJECT

private slots:
    // The full synthetic world: a code, a region, a number that is also part
    // of names (the number first, then by kind), the start of many names.
    void findsOnTheSyntheticWorld()
    {
        TestHome home;
        const QString world = home.file(QStringLiteral("World.mdb"));
        QCOMPARE(QProcess::execute(QStringLiteral(ARVENNA_MAKE_WORLD), {world}), 0);
        const auto found = [&](const QString& text) {
            return outcome(runCli({QStringLiteral("find"), QStringLiteral("--db"), world, text}));
        };
        QCOMPARE(found("bk12"), (QStringList{"0", "Province\tProvince bk12\tbk12\n", ""}));
        QCOMPARE(found("REGION 28"), (QStringList{"0", "Region\tRegion 28\tbk19\n", ""}));
        QCOMPARE(found("1500"), (QStringList{"0",
                                             "Character\tNoble 501 [1500]\tdk01\n"
                                             "City\tCity 1500 [3499]\tcy16\n"
                                             "Ruins\tPlace 1500 [8499]\tbw65\n"
                                             "Character\tNoble 1500 [2499]\tcq70\n",
                                             ""}));
        QStringList row;
        for (int column = 90; column <= 99; ++column)
            row << QStringLiteral("Province\tProvince dv%1\tdv%1\n").arg(column);
        QCOMPARE(found("province dv9"), (QStringList{"0", row.join(QString()), ""}));
    }

    void printsTheMatchesALineEach()
    {
        const FindWorld world;
        QCOMPARE(outcome(find(world, {"green"})),
                 (QStringList{"0",
                              "Province\tGreenvale\tab04\n"
                              "Region\tGreen Reach\tab05\n"
                              "City\tGreenport [C100]\tab04\n"
                              "Castle\tGreen Keep [K7]\tab04\n"
                              "Inn\tGreenport Inn [I5]\tab04\n"
                              "Province\tEvergreen\tab06\n",
                              ""}));
        // Several words are one text; codes as the window takes them.
        QCOMPARE(outcome(find(world, {"green", "reach"})), (QStringList{"0", "Region\tGreen Reach\tab05\n", ""}));
        QCOMPARE(outcome(find(world, {"AB", "7"})), (QStringList{"0", "Province\t\tab07\n", ""}));
        // Quotes, "%", "_" and letters beyond ASCII reach the search as typed.
        QCOMPARE(outcome(find(world, {"\""})),
                 (QStringList{"0", "City\tTown \"the Old\" [C_9]\tae11\nCharacter\tMab \"the Red\" [7001]\tab04\n", ""}));
        QCOMPARE(outcome(find(world, {"%"})), (QStringList{"0", "Province\t50% Marsh_Land\tae11\n", ""}));
        QCOMPARE(outcome(find(world, {"ÅSGARD"})), (QStringList{"0", "Province\tÅsgard Reach\tae12\n", ""}));
    }

    void saysWhenNothingMatches()
    {
        const FindWorld world;
        QCOMPARE(outcome(find(world, {"%_"})), (QStringList{"1", "", "No match for \"%_\".\n"}));
        QCOMPARE(outcome(find(world, {" hobb "})), (QStringList{"1", "", "No match for \"hobb\".\n"}));
        // A blank text or no game is a usage mistake.
        for (const QStringList& arguments : {QStringList{"find", "--db", world.path}, QStringList{"find", "--db", world.path, "  "},
                                             QStringList{"find", "green"}})
            QCOMPARE(outcome(runCli(arguments)), (QStringList{"2", "", "find needs --db FILE and the text to find.\n"}));
        const QString missing = world.home.file(QStringLiteral("Missing.mdb"));
        QCOMPARE(outcome(runCli({"find", "--db", missing, "green"})),
                 (QStringList{"1", "", "Could not find file '" + missing + "'.\n"}));
        // The game searched is left as it was.
        QCOMPARE(queryRows(world.path, "SELECT COUNT(*) FROM PROVINCIAS"), QStringList{"8"});
    }

    void saysWhenTheListIsCutShort()
    {
        const FindWorld world(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 250) "
            "INSERT INTO CHARACTERS (CHARACTERNUMBER, CHARACTERNAME, CharacterLastLocationKnown) "
            "SELECT 'S' || i, 'Scout ' || i, 'ab06' FROM n;"));
        const CliRun run = find(world, {"scout"});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 201);
        QCOMPARE(lines.mid(0, 2), (QStringList{"Character\tScout 1 [S1]\tab06", "Character\tScout 10 [S10]\tab06"}));
        QCOMPARE(run.err, QStringLiteral("200 of 250 matches shown; give more of the text to narrow them.\n"));
    }
};

QTEST_GUILESS_MAIN(FindCliTest)
#include "FindCliTest.moc"

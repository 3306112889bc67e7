// The processing run: one transaction a file, the report log, failures
// that name the file, and the command line that drives it.
#include "CliRun.h"
#include "StoringGame.h"
#include "database/Database.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

using namespace arvenna;

namespace {

// The error box of a file that failed on a report line: its number and text, then why.
ScriptedDialogue::Shown errorBox(const QString& path, const FileOutcome& outcome)
{
    return {kProgramTitle,
            "An error was found processing file " + path + " in line " + QString::number(outcome.line) + "\n"
                + outcome.lineText + "\n\n" + outcome.reason,
            MessageIcon::None};
}
} // namespace

class ProcessingRunTest : public QObject {
    Q_OBJECT

private slots:
    void everyOptionOffStillLogsTheReport()
    {
        StoringGame game;
        QCOMPARE(game.process({"world-turn12.txt"}, ProcessingOptions{}).constFirst().processed, true);
        QCOMPARE(game.rows("REPORTLOG"), QStringList{"a01|12"});
        QCOMPARE(game.rows("PROVINCIAS"), QStringList());
        QCOMPARE(game.state.buffer.items().constFirst(), "(LOC) Harrowfield [ab08], plain, in Vessaly, civ-2");
    }

    void aTurnZeroReportAmongOthersIsRefusedAlone()
    {
        StoringGame game;
        const QList<FileOutcome> outcomes = game.process({"world-turn14.txt", "turn0.txt", "world-turn12.txt"});
        QCOMPARE(outcomes.size(), 3);
        QCOMPARE((QList<bool>{outcomes[0].processed, outcomes[1].processed, outcomes[2].processed}),
                 (QList<bool>{true, false, true}));
        QCOMPARE(game.dialogue.shown, (QList<ScriptedDialogue::Shown>{
                                          {"Information", "Turn 0 Reports can not be parsed", MessageIcon::Information}}));
        QCOMPARE(game.rows("REPORTLOG"), QStringList{"a01|14"}); // the latest turn stays
        QCOMPARE(processingStatus(outcomes), "Update finished");
        QCOMPARE(processingStatus({}), "No Files processed");
    }

    // A line a stage cannot cut up fails the whole file: nothing of it is
    // stored, the file is not logged, the reason names the report line, the
    // error box names the file, the next file goes on.
    void badLinesFailTheFile_data()
    {
        QTest::addColumn<QByteArray>("locations");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no brackets") << QByteArray("Harrowfield ab08, plain, in Vessaly\n")
                                     << "\"[\" missing in report line 8: Harrowfield ab08, plain, in Vessaly";
        QTest::newRow("no comma after the terrain") << QByteArray("Harrowfield [ab08], plain\n")
                                                    << "\",\" missing in report line 8: Harrowfield [ab08], plain";
        QTest::newRow("ruler group too short")
            << QByteArray("Marsh [ac20], plain, in Vessaly\n\nProvince controlled\n")
            << "the ruler group is too short in report line 10: Province controlled";
        QTest::newRow("entrance beyond 16 bits")
            << QByteArray("Marsh [ac20], plain, in Vessaly\n\nInner locations:\n   Pit [x1], cave, 40000 days\n")
            << "number too large in report line 11:    Pit [x1], cave, 40000 days";
    }

    void badLinesFailTheFile()
    {
        QFETCH(QByteArray, locations);
        QFETCH(QString, reason);
        StoringGame game;
        const QString bad = game.writeReport("bad.txt", "Arvenna G2 turn 12 report", locations);
        const QList<FileOutcome> outcomes = game.process({bad, "world-turn14.txt"});
        QCOMPARE(outcomes[0].reason, reason);
        QCOMPARE(outcomes[0].reason.endsWith(QString::number(outcomes[0].line) + ": " + outcomes[0].lineText), true);
        QCOMPARE(outcomes[0].processed, false);
        QCOMPARE(outcomes[1].processed, true);
        QCOMPARE(game.dialogue.shown, QList<ScriptedDialogue::Shown>{errorBox(bad, outcomes[0])});
        QCOMPARE(game.rows("REPORTLOG"), QStringList{"a01|14"});
        QCOMPARE(game.rows("PROVINCIAS").size(), 2);
        QCOMPARE(game.rows("CONTINENTES").size(), 2);
    }

    // Several files failing: the run goes on without a box, the summary
    // names each with its reason, and the stored one with turn and faction.
    void severalFailuresShowNoBoxButASummary()
    {
        StoringGame game;
        const QString first = game.writeReport("first.txt", "Arvenna G2 turn 12 report", "Harrowfield ab08, plain, in Vessaly\n");
        const QString second = game.writeReport("second.txt", "Arvenna G2 turn 12 report", "Harrowfield [ab08], plain\n");
        const QList<FileOutcome> outcomes = game.process({first, "world-turn14.txt", second});
        QCOMPARE(game.dialogue.shown, QList<ScriptedDialogue::Shown>());
        QStringList summary;
        for (const FileOutcome& outcome : outcomes)
            summary << outcomeLine(outcome);
        QCOMPARE(summary,
                 (QStringList{"failed " + first + ": \"[\" missing in report line 8: Harrowfield ab08, plain, in Vessaly",
                              "ok " + storingReport("world-turn14.txt") + ": turn 14, Ash Clan [a01]",
                              "failed " + second + ": \",\" missing in report line 8: Harrowfield [ab08], plain"}));
    }

    // Values are stored as written; what the stages cannot place is passed
    // over; an owner clause that ends a list does not swallow the next one;
    // a city of a province the model lacks gives the model no city.
    void oddButReadableLinesAreTolerated()
    {
        StoringGame game;
        game.database().execute(
            "INSERT INTO PROVINCIAS (PROVINCIANAME, XORD, YORD, TERRAINID, COMMENTS) VALUES ('Unseen', 30, 3, 4, '9')");
        const QString report = game.writeReport("odd.txt", "Arvenna G2 turn 12 report",
                                           "O'Neil's \\Rest [ab08], plain, in Bo'Ra\\n\n\n"
                                           "Brook [q100], city, in Nowhere [ac50]\n\n"
                                           "Inner locations:\n   Pit [x1], cave, 1 day\n\n"
                                           "Stair [ab09], plain, in Bo'Ra\\n\n\n"
                                           "Inner locations:\n   Pit [x2], pit, 1 day\n   Boat [x3], galley, owner:\n\n"
                                           "Town [q1], city, in Stair [ab09]\n\n"
                                           "Inner locations:\n   Hut [x4], inn, 1 day\n\n"
                                           "Gate [q2], city, in Unseen [ac30]\n");
        QCOMPARE(game.process({report}).constFirst().processed, true);
        QCOMPARE(game.rows("PROVINCIAS")[1], "2|O'Neil's \\Rest|8|2|4|1|-|-|12|-|-|-|-|-|-");
        QCOMPARE(game.rows("CONTINENTES"), QStringList{"1|Bo'Ra\\n|0"});
        QCOMPARE(game.rows("LOCALS"), (QStringList{"1|3|q1|Town|2|0|12", "2|1|q2|Gate|2|0|12"}));
        QCOMPARE(game.rows("INNERLOCATIONS"),
                 (QStringList{"1|0|0|3|x3|Boat|7|-|-|0|0|12", "2|0|1|3|x4|Hut|4|1|-|0|0|12"}));
        QCOMPARE(game.model.Provinces.Item("ac30").ClassLocation().LocationName, QString());
        QCOMPARE(game.state.buffer.items().mid(2, 10),
                 (QStringList{"[SAVED] (LOC) Brook [q100], city, in Nowhere [ac50]", "----(SEP)----",
                              "[SAVED] (INN) Inner locations:", "(INN)    Pit [x1], cave, 1 day", "----(SEP)----",
                              "[SAVED] (LOC) Stair [ab09], plain, in Bo'Ra\\n", "----(SEP)----",
                              "[SAVED] (INN) Inner locations:", "[SAVED] (INN)    Pit [x2], pit, 1 day",
                              "[SAVED] (INN)    Boat [x3], galley, owner:"}));
    }

    void notAReportIsRefusedWithoutAnErrorBox()
    {
        StoringGame game;
        const QString report = game.writeReport("none.txt", "Arvenna G2 turn 12 report", "");
        game.home.writeFile("none.txt", "Dear player,\nsee you next turn [soon].\n");
        QCOMPARE(game.process({report}).constFirst().processed, false);
        QCOMPARE(game.dialogue.texts(), QStringList{"This report is unsuitable!"});
        QCOMPARE(game.rows("REPORTLOG"), QStringList());
    }

    // A database another program holds, one that may only be read, or a
    // write that fails at the end: nothing of the report is stored, the
    // message names the database, and the model forgets the report too.
    void databaseFailuresStoreNothing()
    {
        StoringGame game;
        const auto failsNamingTheDatabase = [&game](const QString& why) {
            game.dialogue.shown.clear();
            const FileOutcome outcome = game.process({"world-turn12.txt"}).constFirst();
            QCOMPARE(outcome.processed, false);
            QVERIFY2(outcome.reason.contains(why), qPrintable(outcome.reason));
            QCOMPARE(game.dialogue.shown.size(), 1);
            QCOMPARE(game.dialogue.shown[0].title, "Critical Warning");
            QVERIFY(game.dialogue.shown[0].text.contains(game.path));
            QCOMPARE(game.rows("PROVINCIAS"), QStringList());
        };
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
            other.setDatabaseName(game.path);
            QVERIFY(other.open());
            QSqlQuery(other).exec("BEGIN IMMEDIATE");
            failsNamingTheDatabase("locked");
            QSqlQuery(other).exec("ROLLBACK");
            other.close();
        }
        QSqlDatabase::removeDatabase("other");

        game.database().execute("PRAGMA query_only = ON");
        failsNamingTheDatabase("readonly");
        game.database().execute("PRAGMA query_only = OFF");

        game.database().execute("DROP TABLE REPORTLOG");
        failsNamingTheDatabase("REPORTLOG");
        QCOMPARE(game.rows("CONTINENTES"), QStringList());
        QCOMPARE(game.model.Provinces.Count(), 1); // the fallback alone
        QCOMPARE(game.model.Continents.Count(), 0);
    }

    void commandLineProcessesFilesInOrder()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        const QString world = storingReport("world-turn12.txt");
        const QString turn0 = storingReport("turn0.txt");
        CliRun run = runCli({"process", "--db", path, world, turn0});
        QCOMPARE(run.out, "ok " + world + ": turn 12, Ash Clan [a01]\nfailed " + turn0 + ": the report was refused\n");
        QCOMPARE(run.err, "Turn 0 Reports can not be parsed\n");
        QCOMPARE(run.status, 1);

        run = runCli({"process", "--db", path, "--only", "0,3", "--log", world});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out.split('\n').mid(0, 2),
                 (QStringList{"ok " + world + ": turn 12, Ash Clan [a01]",
                              "[SAVED] (LOC) Harrowfield [ab08], plain, in Vessaly, civ-2"}));
        QVERIFY(run.out.contains("\n(LOC) Kessra [m421], port city, in Harrowfield [ab08], safe haven\n"));
        QCOMPARE(run.status, 0);

        // No option at all still logs the report, as the window does.
        TestHome other;
        const QString empty = other.addGameDatabase("Arvenna.mdb");
        run = runCli({"process", "--db", empty, "--only", "", world});
        QCOMPARE(run.status, 0);
        QCOMPARE(queryRows(empty, "SELECT * FROM REPORTLOG"), QStringList{"a01|12"});
        QCOMPARE(queryRows(empty, "SELECT count(*) FROM PROVINCIAS"), QStringList{"0"});

        QCOMPARE(runCli({"process", "--db", path, "--only", "6", world}).status, 2);
        QCOMPARE(runCli({"process", "--db", path}).status, 2);
    }
};

QTEST_GUILESS_MAIN(ProcessingRunTest)
#include "ProcessingRunTest.moc"

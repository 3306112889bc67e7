// Seeing what processing did and taking a run back: the reports directory
// as the parser window lists it, and undo through the command line.
#include "CliRun.h"
#include "StoringGame.h"
#include "database/ProcessingUndo.h"
#include "storing/ReportFiles.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

using namespace arvenna;

namespace {
// Every row of every table, with the schema: what undo must bring back.
QStringList gameContent(const QString& path)
{
    QStringList content = queryRows(path, "SELECT sql FROM sqlite_master ORDER BY name");
    for (const QString& table : queryRows(path, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"))
        content << table << queryRows(path, QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table));
    return content;
}

QStringList directoryListing(const QString& path)
{
    return QDir(path).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class ProcessingUndoTest : public QObject {
    Q_OBJECT

private slots:
    // New reports, reports the game holds already, and files that are not
    // reports of this game (text, another game's report, a sub-directory).
    void theReportsDirectoryTellsWhatIsNew()
    {
        StoringGame game;
        QVERIFY(game.process({"truth-turn25.txt"}).constFirst().processed);
        TestHome reports;
        for (const char* name : {"truth-turn24.txt", "truth-turn25.txt", "world-turn12.txt", "owls-turn22.txt"})
            QVERIFY(QFile::copy(storingReport(name), reports.file(name)));
        reports.writeFile("notes.txt", "Orders for next turn: move north.\n");
        reports.writeFile("quorvane.txt", "Arvenna:QVR game 1 turn 3 for Ash Clan [a01]\n");
        QVERIFY(QDir(reports.path()).mkdir("older"));

        QStringList captions;
        for (const ReportFile& file : readReportFiles(reports.path(), game.session.CurrentDBDesc, game.database()))
            captions << reportFileCaption(file);
        QCOMPARE(captions, (QStringList{"notes.txt  (not a report of this game)",
                                        "owls-turn22.txt  (turn 22, O'Hara's Owls [b02], new)",
                                        "quorvane.txt  (not a report of this game)",
                                        "truth-turn24.txt  (turn 24, Ash Clan [a01], already processed)",
                                        "truth-turn25.txt  (turn 25, Ash Clan [a01], already processed)",
                                        "world-turn12.txt  (turn 12, Ash Clan [a01], already processed)"}));
    }

    // A run of three reports, one of them failing, taken back: the game is
    // as it was, the copy is gone, and a second undo has nothing to do.
    void undoBringsBackTheGameBeforeTheRun()
    {
        TestHome home;
        const QString game = home.addGameDatabase("Arvenna.mdb");
        QCOMPARE(runCli({"process", "--db", game, storingReport("world-turn12.txt")}).status, 0);
        const QStringList before = gameContent(game);
        home.writeFile("bad.txt", "Arvenna G2 turn 13 report\nReport for Ash Clan [a01].\nUnclaimed items:\n\n  qty  name\n"
                                  "  ---  ----\n\nHarrowfield [ab08], plain\n");
        const CliRun run = runCli({"process", "--db", game, storingReport("truth-turn24.txt"), home.file("bad.txt"),
                                   storingReport("world-turn14.txt")});
        QCOMPARE(run.status, 1);
        QVERIFY(gameContent(game) != before);
        const std::optional<UndoPoint> point = undoPoint(game);
        QVERIFY(point.has_value());
        QCOMPARE(point->files.size(), 3);
        QCOMPARE(directoryListing(home.path()),
                 (QStringList{"Arvenna.mdb", "Arvenna.mdb.before-processing", "Arvenna.mdb.before-processing.run",
                              "bad.txt"}));

        QCOMPARE(runCli({"undo", "--db", game}).status, 0);
        QCOMPARE(gameContent(game), before);
        QCOMPARE(directoryListing(home.path()), (QStringList{"Arvenna.mdb", "bad.txt"}));
        const CliRun again = runCli({"undo", "--db", game});
        QCOMPARE(again.status, 1);
        QCOMPARE(again.err, "There is no processing run of " + game + " to undo.\n");
    }

    // A copy cut short, one of another game, a run killed while copying, or
    // a game another program holds: refused, the game untouched.
    void undoRefusesWhatItCannotTrust()
    {
        TestHome home;
        const QString game = home.addGameDatabase("Arvenna.mdb");
        const QString other = home.addGameDatabase("Arvenna.mdb", "Other.mdb");
        QCOMPARE(runCli({"process", "--db", game, storingReport("world-turn12.txt")}).status, 0);
        QCOMPARE(runCli({"process", "--db", other, storingReport("world-turn14.txt")}).status, 0);
        const QStringList processed = gameContent(game);
        const QString copy = undoCopyPath(game);
        const auto refusedWith = [&](const QString& message) {
            const CliRun run = runCli({"undo", "--db", game});
            QCOMPARE(run.err, message + "\n");
            QCOMPARE(run.status, 1);
            QCOMPARE(gameContent(game), processed);
        };

        const QByteArray whole = bytesOf(copy);
        home.writeFile("Arvenna.mdb.before-processing", whole.left(whole.size() - 1024));
        refusedWith("The copy " + copy + " is damaged or cut short.");
        home.writeFile("Arvenna.mdb.before-processing", whole);

        const QByteArray record = bytesOf(copy + ".run");
        home.writeFile("Arvenna.mdb.before-processing.run", bytesOf(undoCopyPath(other) + ".run"));
        refusedWith("The copy " + copy + " belongs to another game than " + game + ".");
        home.writeFile("Arvenna.mdb.before-processing.run", record);

        {
            QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
            holder.setDatabaseName(game);
            QVERIFY(holder.open());
            QSqlQuery(holder).exec("BEGIN IMMEDIATE");
            const CliRun run = runCli({"undo", "--db", game});
            QCOMPARE(run.status, 1);
            QSqlQuery(holder).exec("ROLLBACK");
            holder.close();
        }
        QSqlDatabase::removeDatabase("holder");
        QCOMPARE(gameContent(game), processed);

        // A run killed while it copied left a partial copy and no record.
        QVERIFY(QFile::remove(copy + ".run"));
        QVERIFY(QFile::rename(copy, copy + ".partial"));
        QCOMPARE(undoPoint(game).has_value(), false);
        refusedWith("There is no processing run of " + game + " to undo.");
    }
};

QTEST_GUILESS_MAIN(ProcessingUndoTest)
#include "ProcessingUndoTest.moc"

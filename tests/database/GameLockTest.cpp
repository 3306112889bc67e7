// One writer per game: a second writer is refused at once, naming the
// holder; readers work beside the writer; a killed writer leaves no lock.
#include "CliRun.h"
#include "TestHome.h"
#include "database/DatabaseError.h"
#include "database/WriterLock.h"
#include "view/GameOpening.h"
#include "view/OpenedGame.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSysInfo>
#include <QtTest>
#include <csignal>
#include <memory>
#include <unistd.h>

using namespace arvenna;

namespace {
// Enough provinces that processing them takes a while.
constexpr int kReportCells = 4000;
const QString kSmallReport = QStringLiteral(ARVENNA_TEST_DATA "/storing/reports/world-turn12.txt");

std::unique_ptr<QProcess> startProcessing(const QString& game, const QString& report)
{
    auto process = std::make_unique<QProcess>();
    process->start(QStringLiteral(ARVENNA_BUILT_HOME "/arvenna-map-cli"), {"process", "--db", game, report});
    if (!process->waitForStarted())
        qFatal("arvenna-map-cli did not start");
    return process;
}

// Waits until the program holds the game's writer lock: its lock file names it.
bool holdsTheGame(const QString& game, qint64 processId)
{
    QElapsedTimer timer;
    timer.start();
    const QByteArray holder = QByteArray::number(processId) + ' ';
    while (timer.elapsed() < 30000) {
        if (fileBytes(WriterLock::lockFilePath(game)).startsWith(holder))
            return true;
        QThread::msleep(5);
    }
    return false;
}

QString inUse(const QString& game, qint64 processId)
{
    return QStringLiteral("The game database [%1] is in use by another program.\n"
                          "It is open for writing in process %2 on %3.")
        .arg(game)
        .arg(processId)
        .arg(QSysInfo::machineHostName());
}

QStringList filesIn(const TestHome& home)
{
    return QDir(home.path()).entryList(QDir::Files | QDir::Hidden);
}

// One row per cell: the count of rows less the count of cells.
QStringList surplusRows(const QString& game)
{
    return queryRows(game, "SELECT count(*) - count(DISTINCT YORD * 1000 + XORD) FROM PROVINCIAS");
}
} // namespace

class GameLockTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        report_ = reportDir_.filePath(QStringLiteral("large.txt"));
        QCOMPARE(QProcess::execute(QStringLiteral(ARVENNA_MAKE_REPORTS),
                                   {QStringLiteral("one"), QString::number(kReportCells), report_}),
                 0);
    }

    // Two runs processing into one game at once: the second is refused
    // before it reads a line, a reader is served meanwhile, and the game
    // holds one province per cell.
    void twoProcessRunsOnOneGame()
    {
        TestHome home;
        const QString game = home.addGameDatabase("Arvenna.mdb");
        const std::unique_ptr<QProcess> first = startProcessing(game, report_);
        const qint64 holder = first->processId();
        QVERIFY(holdsTheGame(game, holder));
        const CliRun second = runCli({"process", "--db", game, report_});
        const CliRun reader = runCli({"show", "--db", game, "aa00"});
        QVERIFY(first->waitForFinished(120000));
        QCOMPARE((QList<int>{first->exitCode(), second.status}), (QList<int>{0, 1}));
        QCOMPARE(QString::fromUtf8(first->readAllStandardOutput()), "ok " + report_ + ": turn 20, Red Wolves [m42]\n");
        QCOMPARE(second.out, QString());
        QCOMPARE(second.err, inUse(game, holder) + "\n");
        QVERIFY2(!reader.err.contains("in use"), qPrintable(reader.err));
        QCOMPARE(surplusRows(game), QStringList{"0"});
        // The lock went with the run; the copy that can undo it stays.
        QCOMPARE(filesIn(home), (QStringList{"Arvenna.mdb", "Arvenna.mdb.before-processing",
                                             "Arvenna.mdb.before-processing.run"}));

        // Once the first has let go, the same command works.
        const CliRun again = runCli({"process", "--db", game, kSmallReport});
        QCOMPARE(again.err, QString());
        QCOMPARE(again.status, 0);
        QCOMPARE(surplusRows(game), QStringList{"0"});
    }

    // The kernel lets go of a killed writer's lock: the lock file may stay,
    // but it holds nothing.
    void killedWriterLeavesTheGameFree()
    {
        TestHome home;
        const QString game = home.addGameDatabase("Arvenna.mdb");
        const std::unique_ptr<QProcess> writer = startProcessing(game, report_);
        QVERIFY(holdsTheGame(game, writer->processId()));
        ::kill(pid_t(writer->processId()), SIGKILL);
        QVERIFY(writer->waitForFinished(30000));
        QVERIFY(QFile::exists(WriterLock::lockFilePath(game)));

        OpenedGame next;
        QCOMPARE(openGame(game, next.session, next.model, next.view, nullptr, GameAccess::Writer),
                 GameSession::OpenResult::Opened);
        QCOMPARE(fileBytes(WriterLock::lockFilePath(game)).split(' ').constFirst(), QByteArray::number(::getpid()));
        closeGame(next.session, next.view);
        QCOMPARE(filesIn(home), QStringList{"Arvenna.mdb"});
    }

    // As the desktop program holds the game of its open map: other writers
    // (processing, maintenance, a second map) are refused, readers served;
    // a reload keeps the game; closing the map frees it.
    void anOpenMapKeepsOtherWritersOut()
    {
        TestHome home;
        const QString game = home.addGameDatabase("Arvenna.mdb");
        runSql(game, "INSERT INTO PROVINCIAS (PROVINCIANAME, XORD, YORD, TERRAINID) VALUES ('Greenvale', 2, 3, 4)");
        OpenedGame map;
        QCOMPARE(openGame(game, map.session, map.model, map.view, nullptr, GameAccess::Writer),
                 GameSession::OpenResult::Opened);
        const QString held = inUse(game, ::getpid());

        const CliRun process = runCli({"process", "--db", game, kSmallReport});
        QCOMPARE((QStringList{QString::number(process.status), process.out, process.err}),
                 (QStringList{"1", "", held + "\n"}));
        for (const char* command : {"repair", "compact"}) {
            const CliRun maintenance = runCli({command, "Arvenna.mdb", "--home", home.path()});
            QCOMPARE((QStringList{QString::number(maintenance.status), maintenance.err}),
                     (QStringList{"1", "The Process could not be completed Sucessfully!\n[" + game + "]\n" + held + "\n"}));
        }
        const CliRun show = runCli({"show", "--db", "Arvenna.mdb", "--home", home.path(), "ac02"});
        QCOMPARE((QStringList{QString::number(show.status), show.err}), (QStringList{"0", ""}));
        QVERIFY2(show.out.contains("Greenvale"), qPrintable(show.out));

        OpenedGame second;
        try {
            openGame(game, second.session, second.model, second.view, nullptr, GameAccess::Writer);
            QFAIL("a second writer was let in");
        } catch (const DatabaseError& error) {
            QCOMPARE(error.message(), held);
        }
        QVERIFY(!second.session.isOpen());
        QCOMPARE(openGame(game, second.session, second.model, second.view), GameSession::OpenResult::Opened);

        // A reload of its own game keeps it held throughout.
        QCOMPARE(openGame(map.session.CurrentDBName, map.session, map.model, map.view, nullptr, GameAccess::Writer),
                 GameSession::OpenResult::Opened);
        QCOMPARE(runCli({"process", "--db", game, kSmallReport}).err, held + "\n");

        closeGame(map.session, map.view);
        const CliRun freed = runCli({"process", "--db", game, kSmallReport});
        QCOMPARE((QStringList{QString::number(freed.status), freed.err}), (QStringList{"0", ""}));
    }

    // A new game never replaces one that another program has open for writing.
    void newGameSparesAHeldGame()
    {
        TestHome home;
        const QString game = home.addGameDatabase("Arvenna.mdb", "Held.MDB");
        OpenedGame map;
        QCOMPARE(openGame(game, map.session, map.model, map.view, nullptr, GameAccess::Writer),
                 GameSession::OpenResult::Opened);
        const QByteArray before = fileBytes(game);
        const CliRun create = runCli({"create", "--type", "g", "--number", "7", "Held", "--replace", "--home", home.path()});
        QCOMPARE((QStringList{QString::number(create.status), create.out, create.err}),
                 (QStringList{"1", "", inUse(game, ::getpid()) + "\n"}));
        QCOMPARE(fileBytes(game), before);
        QCOMPARE(filesIn(home), (QStringList{"Held.MDB", "Held.MDB.writer"}));
    }

private:
    QTemporaryDir reportDir_;
    QString report_;
};

QTEST_GUILESS_MAIN(GameLockTest)
#include "GameLockTest.moc"

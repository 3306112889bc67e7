// Repair and compaction of a large world killed at random moments: every
// time the file is as it was or completely maintained, and nothing of the
// run is left in the program directory.
#include "DatabaseDamage.h"
#include "TestHome.h"
#include "database/WriterLock.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>
#include <csignal>

using namespace arvenna;

namespace {
constexpr int kKills = 20;
// The start of a journal that the next open must roll back.
const QByteArray kJournalSignature = QByteArray::fromHex("d9d505f920a163d7");

struct Case {
    QString command;
    QByteArray original;
    QStringList counts; // of a complete result, before its maintenance row
    qint64 runMilliseconds = 0;
};

QProcess* startCli(const QString& command, const TestHome& home)
{
    auto* process = new QProcess;
    process->start(QStringLiteral(ARVENNA_BUILT_HOME "/arvenna-map-cli"),
                   {command, home.file(QStringLiteral("World.mdb")), QStringLiteral("--home"), home.path()});
    if (!process->waitForStarted())
        qFatal("arvenna-map-cli did not start");
    return process;
}

// What a complete run leaves: the same rows, one maintenance row more.
bool isCompleteResult(const QString& path, const Case& run)
{
    if (integrityCheck(path) != QLatin1String("ok"))
        return false;
    QStringList counts = rowCounts(path);
    counts.replaceInStrings(QStringLiteral("DATABASEMAINT=1"), QStringLiteral("DATABASEMAINT=0"));
    return counts == run.counts;
}
} // namespace

class MaintenanceKillTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString world = worldDir_.filePath(QStringLiteral("World.mdb"));
        QCOMPARE(QProcess::execute(QStringLiteral(ARVENNA_MAKE_WORLD), {world}), 0);
        // Years of market reports, a third of them deleted since: a file of
        // some size, with free pages for the compaction to remove.
        const QString history = QStringLiteral(
            "INSERT INTO MARKETTRANSACTIONS (LocalID, ItemID, TransactionType, TransactionQuantity, TransactionCost, TurnNo) "
            "SELECT LocalID, ItemID, TransactionType, TransactionQuantity, TransactionCost, TurnNo + 1 FROM MARKETTRANSACTIONS;");
        runSql(world, history.repeated(4) + QStringLiteral("DELETE FROM MARKETTRANSACTIONS WHERE MarketItemID % 3 = 0"));
        const QStringList counts = rowCounts(world);
        compact_ = {QStringLiteral("compact"), fileBytes(world), counts};
        // A damaged index page: the repair rebuilds the whole file and
        // writes it back, without losing a row.
        damagePage(world, leafPages(world, QStringLiteral("IdxProvinciasCell")).at(10).page);
        repair_ = {QStringLiteral("repair"), fileBytes(world), counts};
        for (Case* run : {&compact_, &repair_}) {
            TestHome home;
            home.writeFile(QStringLiteral("World.mdb"), run->original);
            QElapsedTimer timer;
            timer.start();
            std::unique_ptr<QProcess> process(startCli(run->command, home));
            QVERIFY(process->waitForFinished(60000));
            QCOMPARE(process->exitCode(), 0);
            run->runMilliseconds = timer.elapsed();
            QVERIFY(isCompleteResult(home.file(QStringLiteral("World.mdb")), *run));
            qInfo("%s of the world takes %lld ms", qPrintable(run->command), run->runMilliseconds);
        }
    }

    void killedRunsLeaveTheFileWholeOrDone()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("kill moments from seed %u", seed);
        QRandomGenerator moments(seed);
        int midWrite = 0;
        int untouched = 0;
        int completed = 0;
        for (int i = 0; i < kKills; ++i) {
            const Case& run = i % 2 ? repair_ : compact_;
            TestHome home;
            const QString path = home.file(QStringLiteral("World.mdb"));
            home.writeFile(QStringLiteral("World.mdb"), run.original);
            std::unique_ptr<QProcess> process(startCli(run.command, home));
            // Now and then after the run would have ended.
            QThread::msleep(moments.bounded(run.runMilliseconds * 6 / 5 + 1));
            ::kill(pid_t(process->processId()), SIGKILL);
            QVERIFY(process->waitForFinished(60000));

            if (fileBytes(path + QStringLiteral("-journal")).startsWith(kJournalSignature))
                ++midWrite;
            // Opening the file as the next program would rolls back what the
            // killed run had begun to write.
            const bool whole = isCompleteResult(path, run);
            if (fileBytes(path) == run.original)
                ++untouched;
            else if (whole)
                ++completed;
            else
                QFAIL(qPrintable(QStringLiteral("%1 killed at run %2 left a broken file").arg(run.command).arg(i)));
            // The engine's own journal of the file may stay (emptied), and the
            // lock file, which holds nothing once its process is gone; no
            // work file.
            QStringList files = QDir(home.path()).entryList(QDir::Files | QDir::Hidden);
            files.removeOne(QStringLiteral("World.mdb-journal"));
            files.removeOne(QStringLiteral("World.mdb.writer"));
            QCOMPARE(files, QStringList{"World.mdb"});
            const WriterLock free(path);
        }
        qInfo("%d runs killed, %d while writing: %d files as they were, %d completely maintained", kKills, midWrite,
              untouched, completed);
    }

private:
    QTemporaryDir worldDir_;
    Case compact_;
    Case repair_;
};

QTEST_GUILESS_MAIN(MaintenanceKillTest)
#include "MaintenanceKillTest.moc"

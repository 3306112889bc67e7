// The command-line tool killed at random moments while it stores a large
// report: every time the database passes its integrity check and holds
// either all of the report or none of it.
#include "TestHome.h"
#include "database/GameSession.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>
#include <csignal>

using namespace arvenna;

namespace {
constexpr int kKills = 20;
// Every surface province, with regions, rulers, inner locations and cities.
constexpr int kReportCells = 10000;

// The integrity check's verdict and a digest of every row of every table.
struct DatabaseState {
    QString integrity;
    QByteArray rows;
    bool operator==(const DatabaseState&) const = default;
};

DatabaseState stateOf(const QString& path)
{
    DatabaseState state;
    const QString name = QStringLiteral("kill-check");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        QSqlQuery check(QStringLiteral("PRAGMA integrity_check"), db);
        state.integrity = check.next() ? check.value(0).toString() : QStringLiteral("no answer");
        QSqlQuery tables(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"), db);
        QCryptographicHash digest(QCryptographicHash::Sha1);
        while (tables.next()) {
            QSqlQuery rows(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(tables.value(0).toString()), db);
            digest.addData(tables.value(0).toByteArray());
            while (rows.next()) {
                for (int f = 0; f < rows.record().count(); ++f)
                    digest.addData(rows.value(f).toString().toUtf8() + '|');
            }
        }
        state.rows = digest.result();
    }
    QSqlDatabase::removeDatabase(name);
    return state;
}

QProcess* startProcessing(const QString& database, const QString& report)
{
    auto* process = new QProcess;
    process->start(QStringLiteral(ARVENNA_BUILT_HOME "/arvenna-map-cli"),
                   {QStringLiteral("process"), QStringLiteral("--db"), database, report});
    if (!process->waitForStarted())
        qFatal("arvenna-map-cli did not start");
    return process;
}
} // namespace

class ProcessKillTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        report_ = reportDir_.filePath(QStringLiteral("large.txt"));
        QCOMPARE(QProcess::execute(QStringLiteral(ARVENNA_MAKE_REPORTS),
                                   {QStringLiteral("one"), QString::number(kReportCells), report_}),
                 0);
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        // Opened for writing once, as any run opens it first: the game's own
        // schema changes are not the report's.
        GameSession session;
        QCOMPARE(session.open(QStringLiteral("Arvenna G2 [Arvenna.mdb]"), path, GameAccess::Writer),
                 GameSession::OpenResult::Opened);
        session.close();
        original_ = fileBytes(path);
        none_ = stateOf(path);
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<QProcess> process(startProcessing(path, report_));
        QVERIFY(process->waitForFinished(60000));
        QCOMPARE(process->exitCode(), 0);
        runMilliseconds_ = timer.elapsed();
        all_ = stateOf(path);
        QCOMPARE(all_.integrity, QStringLiteral("ok"));
        QVERIFY(all_.rows != none_.rows);
        qInfo("processing the report takes %lld ms", runMilliseconds_);
    }

    void killedRunsStoreAllOrNothing()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("kill moments from seed %u", seed);
        QRandomGenerator moments(seed);
        int none = 0;
        int all = 0;
        int midWrite = 0;
        for (int i = 0; i < kKills; ++i) {
            TestHome home;
            home.writeFile(QStringLiteral("Game.mdb"), original_);
            const QString path = home.file(QStringLiteral("Game.mdb"));
            std::unique_ptr<QProcess> process(startProcessing(path, report_));
            // Now and then after the run would have ended.
            QThread::msleep(moments.bounded(runMilliseconds_ * 6 / 5 + 1));
            ::kill(pid_t(process->processId()), SIGKILL);
            QVERIFY(process->waitForFinished(60000));
            if (!fileBytes(path + QStringLiteral("-journal")).isEmpty())
                ++midWrite;
            // Opening the file as the next program would rolls back what the
            // killed run had begun to write.
            const DatabaseState state = stateOf(path);
            if (state == none_)
                ++none;
            else if (state == all_)
                ++all;
            else
                QFAIL(qPrintable(QStringLiteral("the run killed at kill %1 left part of the report (integrity: %2)")
                                     .arg(i)
                                     .arg(state.integrity)));
        }
        qInfo("%d runs killed, %d while writing: %d left nothing of the report, %d all of it", kKills, midWrite, none,
              all);
    }

private:
    QTemporaryDir reportDir_;
    QString report_;
    QByteArray original_;
    DatabaseState none_;
    DatabaseState all_;
    qint64 runMilliseconds_ = 0;
};

QTEST_GUILESS_MAIN(ProcessKillTest)
#include "ProcessKillTest.moc"

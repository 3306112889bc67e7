// bench-process: storing generated turn reports of about 1 MB (make-reports'
// writer: the faction's nobles, provinces with regions, ruler groups, inner
// locations two levels deep, characters seen, cities with their markets)
// with every stage, and the copy of the full synthetic world that a run
// takes first so that it can be undone. The last line is
// "process_ms=N reprocess_ms=N season_ms=N backup_ms=N".
#include "QuietDialogue.h"
#include "BenchSupport.h"
#include "ReportWriter.h"
#include "database/Database.h"
#include "database/GameSession.h"
#include "database/ProcessingUndo.h"
#include "view/OpenedGame.h"
#include "model/MapModel.h"
#include "parser/ReportState.h"
#include "storing/ProcessingRun.h"
#include "view/GameOpening.h"
#include "view/MapView.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

using namespace arvenna;

namespace {
constexpr qsizetype kReportBytes = 1024 * 1024;
constexpr int kRuns = 5;
constexpr int kSeasonReports = 20;
constexpr int kFirstTurn = 20;

// A fresh copy of the built, empty "Arvenna.mdb", open with its map loaded.
struct FreshGame {
    FreshGame(const QTemporaryDir& dir, const QString& name)
    {
        const QString path = dir.filePath(name);
        if (!QFile::copy(QStringLiteral(ARVENNA_BUILT_HOME "/Arvenna.mdb"), path)
            || !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner))
            qFatal("cannot copy the built game database");
        openGame(path, session, model, view, nullptr, GameAccess::Writer);
    }
    // Milliseconds to process the files in one run; every file must be stored.
    double process(const QStringList& files)
    {
        ProcessingRun run(session, model, state, dialogue);
        QElapsedTimer timer;
        timer.start();
        for (const FileOutcome& outcome : run.process(files)) {
            if (!outcome.processed)
                qFatal("%s was not processed: %s", qPrintable(outcome.path), qPrintable(outcome.reason));
        }
        return milliseconds(timer);
    }

    GameSession session;
    MapModel model;
    MapView view;
    ReportState state;
    QuietDialogue dialogue;
};

QString writeReport(const QTemporaryDir& dir, const QByteArray& text, int turn)
{
    const QString path = dir.filePath(QStringLiteral("report-%1.txt").arg(turn));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write the generated report");
    return path;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("cannot create a temporary directory");
    QTextStream out(stdout);

    const WorldPlan plan(20260101u);
    const ReportWriter writer(plan);
    const ReportFaction faction{QStringLiteral("Red Wolves"), QStringLiteral("m42"), 7001};
    // The first cells of the world, as many as make about 1 MB of report.
    std::vector<int> cells;
    QByteArray report;
    while (report.size() < kReportBytes) {
        for (int i = 0; i < 100; ++i)
            cells.push_back(int(cells.size()));
        report = writer.report(kFirstTurn, faction, cells);
    }
    QStringList season;
    for (int turn = kFirstTurn; turn < kFirstTurn + kSeasonReports; ++turn)
        season << writeReport(dir, writer.report(turn, faction, cells), turn);
    out << QStringLiteral("report: %1 provinces, %2 KB").arg(cells.size()).arg(report.size() / 1024) << Qt::endl;

    std::vector<double> first;
    std::vector<double> again;
    for (int run = 0; run < kRuns; ++run) {
        FreshGame game(dir, QStringLiteral("Game%1.mdb").arg(run));
        first.push_back(game.process({season.first()}));
        again.push_back(game.process({season.first()}));
        if (run == 0)
            out << QStringLiteral("log lines: %1").arg(game.state.buffer.count()) << Qt::endl;
    }
    out << QStringLiteral("into a fresh game, median of %1: %2 ms").arg(kRuns).arg(median(first), 0, 'f', 0) << Qt::endl;
    out << QStringLiteral("the same report again, median of %1: %2 ms").arg(kRuns).arg(median(again), 0, 'f', 0)
        << Qt::endl;
    FreshGame game(dir, QStringLiteral("Season.mdb"));
    const double seasonMs = game.process(season);
    out << QStringLiteral("a season of %1 reports in one run: %2 ms").arg(kSeasonReports).arg(seasonMs, 0, 'f', 0)
        << Qt::endl;

    OpenedGame world;
    QTextStream err(stderr);
    if (!openSyntheticWorld(dir, world, err))
        return 1;
    std::vector<double> backups;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        takeUndoCopy(world.session.CurrentConnection->DatabaseConnection(), season.mid(0, 1));
        backups.push_back(milliseconds(timer));
    }
    out << QStringLiteral("the copy of the full world before a run, median of %1: %2 ms")
               .arg(kRuns)
               .arg(median(backups), 0, 'f', 0)
        << Qt::endl;
    out << QStringLiteral("process_ms=%1 reprocess_ms=%2 season_ms=%3 backup_ms=%4")
               .arg(median(first), 0, 'f', 0)
               .arg(median(again), 0, 'f', 0)
               .arg(seasonMs, 0, 'f', 0)
               .arg(median(backups), 0, 'f', 0)
        << Qt::endl;
    return 0;
}

// bench-load: the time to open a game as the program does (format check,
// connection, reference lists and model load) against the time the sqlite3
// shell needs to read the same rows: the synthetic full world, and a long
// game (the same world after some eighty turns of four factions, over
// 40,000 characters seen).
#include "BenchSupport.h"
#include "database/DatabaseError.h"
#include "database/GameSession.h"
#include "model/KeyedCollection.h"
#include "model/MapModel.h"
#include "view/GameOpening.h"
#include "view/MapView.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <optional>
#include <vector>

using namespace arvenna;

namespace {
constexpr int kRuns = 7;

// Every row the opening reads: the joined query, the inner locations, the
// characters and the smaller tables of the reference lists.
const QString kFloorSql = QStringLiteral(
    "SELECT  Locals.LocalID, Locals.LocalNumber, Locals.LocalNAme, Locals.LocationTypeID, Locals.ProvinciaSafe, "
    "Provincias.ProvinciaName, Provincias.ProvinciaID, Provincias.ContinentID, Provincias.RullerID, "
    "Provincias.TerrainID, Provincias.XORD, Provincias.YORD, Provincias.Up, Provincias.North, Provincias.East, "
    "Provincias.South, Provincias.West, Provincias.Down, MarketTransactions.MarketItemID, "
    "MarketTransactions.TransactionCost, MarketTransactions.ItemID, MarketTransactions.TransactionQuantity, "
    "MarketTransactions.TransactionType, MarketTransactions.TurnNo, Rullers.RullerID "
    "FROM ((Provincias LEFT JOIN Locals ON Provincias.ProvinciaID = Locals.ProvinceID) LEFT JOIN MarketTransactions "
    "ON Locals.LocalID = MarketTransactions.LocalID) Left Join Rullers ON Provincias.RullerID = Rullers.RullerID;\n"
    "SELECT * FROM InnerLocations ORDER BY ProvinceID, InnerLocalID;\n"
    "SELECT * FROM CHARACTERS;\n"
    "SELECT * FROM RULLERS ORDER BY RullerName;\n"
    "SELECT * FROM CONTINENTES; SELECT * FROM ALLIANCES; SELECT * FROM FACTIONS; SELECT * FROM TERRAIN;\n"
    "SELECT * FROM CELLSX; SELECT * FROM CELLSY; SELECT * FROM INNERTYPES; SELECT * FROM SETTINGS;\n"
    "SELECT * FROM SETUP; SELECT * FROM SKILLS; SELECT * FROM LOCATIONTYPE;\n");

// Characters seen over a long game: the demo season's rate (some 2,800 in
// six turns of four factions) kept up for eighty turns.
constexpr int kLongGameCharacters = 42000;
const QString kLongGameSql =
    QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                   "INSERT INTO CHARACTERS (CHARACTERNUMBER, CHARACTERNAME, CharacterTurnInfo, "
                   "CharacterLastLocationKnown) SELECT 20000 + i, 'Wanderer ' || i, 20 + i % 80, "
                   "' Province ' || i % 7000 || ' [ab' || printf('%02d', i % 100) || '], plain, in Vessaly' FROM n;")
        .arg(kLongGameCharacters);

// The process's peak resident memory so far, in MB.
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

struct Figures {
    double milliseconds = 0;
    int provinces = 0;
};

Figures timeLoad(const QString& world)
{
    QElapsedTimer timer;
    timer.start();
    GameSession session;
    MapModel model;
    MapView view;
    if (openGame(world, session, model, view) != GameSession::OpenResult::Opened)
        throw DatabaseError(QStringLiteral("the world file vanished"));
    return {double(timer.nsecsElapsed()) / 1e6, model.Provinces.Count() - 1};
}
struct WorldFigures {
    double load = 0;
    double floor = 0;
    int provinces = 0;
};

// The median load and floor of one game file.
std::optional<WorldFigures> measure(const QString& world, QTextStream& err)
{
    std::vector<double> loads;
    std::vector<double> floors;
    WorldFigures result;
    try {
        timeLoad(world); // warms the file cache
        for (int i = 0; i < kRuns; ++i) {
            const Figures figures = timeLoad(world);
            loads.push_back(figures.milliseconds);
            result.provinces = figures.provinces;
        }
    } catch (const DatabaseError& error) {
        err << "load failed: " << error.message() << '\n';
        return std::nullopt;
    }
    runQuietly(QStringLiteral(SQLITE3_SHELL), {world, kFloorSql}, err); // warms the file cache
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!runQuietly(QStringLiteral(SQLITE3_SHELL), {world, kFloorSql}, err))
            return std::nullopt;
        floors.push_back(milliseconds(timer));
    }
    result.load = median(loads);
    result.floor = median(floors);
    return result;
}

void print(QTextStream& out, const QString& title, const WorldFigures& figures)
{
    out << title << ": " << figures.provinces << " provinces\n";
    out << "  model load (reference lists and model), median of " << kRuns << ": " << qRound(figures.load) << " ms\n";
    out << "  sqlite3 shell reading the same rows, median of " << kRuns << ": " << qRound(figures.floor) << " ms\n";
    out << "  ratio: " << QString::number(figures.load / figures.floor, 'f', 2) << '\n';
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QTemporaryDir dir;
    const QString world = makeWorld(dir, err);
    if (world.isEmpty())
        return 1;
    const QString longGame = dir.filePath(QStringLiteral("LongGame.mdb"));
    if (!QFile::copy(world, longGame) || !runQuietly(QStringLiteral(SQLITE3_SHELL), {longGame, kLongGameSql}, err)) {
        err << "cannot make the long game\n";
        return 1;
    }

    const std::optional<WorldFigures> full = measure(world, err);
    const double peak = peakMegabytes();
    const std::optional<WorldFigures> longer = measure(longGame, err);
    if (!full || !longer)
        return 1;
    print(out, QStringLiteral("full world"), *full);
    print(out, QStringLiteral("long game (%1 more characters)").arg(kLongGameCharacters), *longer);
    out << "peak resident memory of this process on the full world: " << qRound(peak) << " MB\n";
    out << "load_ms=" << qRound(full->load) << " floor_ms=" << qRound(full->floor)
        << " ratio=" << QString::number(full->load / full->floor, 'f', 2) << " peak_mb=" << qRound(peak)
        << " long_load_ms=" << qRound(longer->load) << " long_floor_ms=" << qRound(longer->floor)
        << " long_ratio=" << QString::number(longer->load / longer->floor, 'f', 2) << '\n';
    return 0;
}

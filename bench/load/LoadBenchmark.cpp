// bench-load: the time to open the synthetic full world as the program does
// (format check, connection, reference lists and model load) against the
// time the sqlite3 shell needs to read the same rows.
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
#include <vector>

using namespace arvenna;

namespace {
constexpr int kRuns = 7;

// The rows the loader reads: the joined query and the inner locations.
const QString kFloorSql = QStringLiteral(
    "SELECT  Locals.LocalID, Locals.LocalNumber, Locals.LocalNAme, Locals.LocationTypeID, Locals.ProvinciaSafe, "
    "Provincias.ProvinciaName, Provincias.ProvinciaID, Provincias.ContinentID, Provincias.RullerID, "
    "Provincias.TerrainID, Provincias.XORD, Provincias.YORD, Provincias.Up, Provincias.North, Provincias.East, "
    "Provincias.South, Provincias.West, Provincias.Down, MarketTransactions.MarketItemID, "
    "MarketTransactions.TransactionCost, MarketTransactions.ItemID, MarketTransactions.TransactionQuantity, "
    "MarketTransactions.TransactionType, MarketTransactions.TurnNo, Rullers.RullerID "
    "FROM ((Provincias LEFT JOIN Locals ON Provincias.ProvinciaID = Locals.ProvinceID) LEFT JOIN MarketTransactions "
    "ON Locals.LocalID = MarketTransactions.LocalID) Left Join Rullers ON Provincias.RullerID = Rullers.RullerID;\n"
    "SELECT * FROM InnerLocations ORDER BY ProvinceID, InnerLocalID;\n");

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

    std::vector<double> loads;
    std::vector<double> floors;
    Figures figures;
    try {
        timeLoad(world); // warms the file cache
        for (int i = 0; i < kRuns; ++i) {
            figures = timeLoad(world);
            loads.push_back(figures.milliseconds);
        }
    } catch (const DatabaseError& error) {
        err << "load failed: " << error.message() << '\n';
        return 1;
    }
    const double peak = peakMegabytes();

    runQuietly(QStringLiteral(SQLITE3_SHELL), {world, kFloorSql}, err); // warms the file cache
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!runQuietly(QStringLiteral(SQLITE3_SHELL), {world, kFloorSql}, err))
            return 1;
        floors.push_back(milliseconds(timer));
    }

    const double load = median(loads);
    const double floor = median(floors);
    out << "world: " << figures.provinces << " provinces\n";
    out << "model load (reference lists and model), median of " << kRuns << ": " << qRound(load) << " ms\n";
    out << "sqlite3 shell reading the same rows, median of " << kRuns << ": " << qRound(floor) << " ms\n";
    out << "ratio: " << QString::number(load / floor, 'f', 2) << '\n';
    out << "peak resident memory of this process: " << qRound(peak) << " MB\n";
    out << "load_ms=" << qRound(load) << " floor_ms=" << qRound(floor)
        << " ratio=" << QString::number(load / floor, 'f', 2) << " peak_mb=" << qRound(peak) << '\n';
    return 0;
}

// bench-route: planning travel routes over the synthetic full world, whose
// routes are known for every province: the staircase and the fastest route
// between opposite corners, and the fastest route between random pairs of
// land provinces. Fails when the fastest route across the world takes
// 10 ms or more.
#include "BenchSupport.h"
#include "model/MapModel.h"
#include "travel/FastestRoute.h"
#include "travel/StaircaseRoute.h"
#include "travel/TravelGraph.h"
#include "view/MapView.h"
#include "view/ProvinceLookup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <ctime>
#include <functional>
#include <vector>

using namespace arvenna;

namespace {
constexpr int kRuns = 21;
constexpr int kPairs = 100;
constexpr double kFastestGoalMs = 10;

bool isLand(const MapModel& model, MapCoord cell)
{
    const ClassProvincia& province = provinceAt(model, cell);
    return !province.ProvinceCoordY.isEmpty() && isKnownLandTerrain(model.TerrainsByID, province.ProvinceTerrainID);
}

// The land province nearest a corner along the diagonal from it.
MapCoord landNear(const MapModel& model, int column, int row, int step)
{
    for (int i = 0; i < 100; ++i) {
        for (int j = 0; j <= i; ++j) {
            const MapCoord cell{double(column + step * j), double(row + step * (i - j))};
            if (isLand(model, cell))
                return cell;
        }
    }
    return MapCoord{double(column), double(row)};
}

// Medians of the elapsed and the CPU time of the runs after a warm-up: the
// machine may be shared.
struct Timing {
    double elapsedMs;
    double processorMs;
};

Timing medianOf(int runs, const std::function<void()>& work)
{
    std::vector<double> elapsed;
    std::vector<double> processor;
    work();
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const std::clock_t processorStart = std::clock();
        work();
        elapsed.push_back(milliseconds(timer));
        processor.push_back(double(std::clock() - processorStart) * 1000.0 / CLOCKS_PER_SEC);
    }
    return {median(elapsed), median(processor)};
}

int provincesWithRoutes(const MapModel& model)
{
    int known = 0;
    for (const ClassProvincia& province : model.Provinces) {
        const std::optional<MapCoord> cell = gridPlaceOf(model, province.ProvinceCoordY + province.ProvinceCoordX);
        known += cell && knownRoutesAt(model, *cell) ? 1 : 0;
    }
    return known;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QTemporaryDir dir;
    OpenedGame game;
    if (!openSyntheticWorld(dir, game, err))
        return 1;
    auto& [session, model, view] = game;
    const int provinces = model.Provinces.Count() - 1; // without the empty one of undiscovered cells
    const int withRoutes = provincesWithRoutes(model);
    if (withRoutes != provinces) {
        err << "failed: routes are known for " << withRoutes << " of " << provinces << " provinces\n";
        return 1;
    }
    const MapCoord first = landNear(model, 0, 1, 1);
    const MapCoord last = landNear(model, view.ColumnCount - 1, model.UndergroundRow, -1);
    RouteLines across;
    const Timing staircase = medianOf(kRuns, [&] { PlanTravel(model, first, last); });
    const Timing fastest = medianOf(kRuns, [&] { across = planFastestRoute(model, first, last); });
    if (!across.found) {
        err << "failed: no route between the corners\n";
        return 1;
    }
    int below = 0;
    for (const MapCoord cell : across.path)
        below += cell.Y > model.UndergroundRow ? 1 : 0;

    std::vector<MapCoord> land;
    for (int column = 0; column < view.ColumnCount; ++column) {
        for (int row = 1; row <= model.UndergroundRow; ++row) {
            if (isLand(model, MapCoord{double(column), double(row)}))
                land.push_back(MapCoord{double(column), double(row)});
        }
    }
    QRandomGenerator random(20261207);
    std::vector<double> pairs;
    int joined = 0;
    for (int i = 0; i < kPairs; ++i) {
        const MapCoord from = land[random.bounded(quint32(land.size()))];
        const MapCoord to = land[random.bounded(quint32(land.size()))];
        QElapsedTimer timer;
        timer.start();
        joined += planFastestRoute(model, from, to).found ? 1 : 0;
        pairs.push_back(milliseconds(timer));
    }
    const QString corners = coordinateText(model, first) + QStringLiteral(" to ") + coordinateText(model, last);
    out << "world: " << provinces << " provinces, routes known for all, " << land.size()
        << " of them land on the surface\n";
    out << "staircase route " << corners << ", median of " << kRuns << ": "
        << QString::number(staircase.elapsedMs, 'f', 3) << " ms\n";
    out << "fastest route " << corners << " (" << across.path.size() << " steps, " << below
        << " below the surface; " << across.lines.at(across.lines.size() - 2).trimmed() << "), median of " << kRuns
        << ": " << QString::number(fastest.elapsedMs, 'f', 2) << " ms (CPU time "
        << QString::number(fastest.processorMs, 'f', 2) << " ms)\n";
    out << "fastest route between " << kPairs << " random pairs of land provinces (" << joined
        << " joined), median: " << QString::number(median(pairs), 'f', 2) << " ms\n";
    out << "staircase_ms=" << QString::number(staircase.elapsedMs, 'f', 3)
        << " fastest_ms=" << QString::number(fastest.elapsedMs, 'f', 2)
        << " fastest_cpu_ms=" << QString::number(fastest.processorMs, 'f', 2) << '\n';
    if (fastest.elapsedMs >= kFastestGoalMs) {
        err << "failed: the fastest route across the world took " << QString::number(fastest.elapsedMs, 'f', 2)
            << " ms, the goal is under " << kFastestGoalMs << " ms\n";
        return 1;
    }
    return 0;
}

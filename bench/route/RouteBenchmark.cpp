// bench-route: planning travel routes over the synthetic full world, the
// staircase and the fastest route between opposite corners and between
// random pairs of land provinces.
#include "BenchSupport.h"
#include "model/MapModel.h"
#include "travel/FastestRoute.h"
#include "travel/StaircaseRoute.h"
#include "view/MapView.h"
#include "view/ProvinceLookup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>
#include <vector>

using namespace arvenna;

namespace {
constexpr int kRuns = 21;
constexpr int kPairs = 100;

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

double medianOf(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    work(); // warm-up
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(milliseconds(timer));
    }
    return median(times);
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
    const MapCoord first = landNear(model, 0, 1, 1);
    const MapCoord last = landNear(model, view.ColumnCount - 1, view.RowCount, -1);
    bool found = true;
    const double staircase = medianOf(kRuns, [&] { found &= PlanTravel(model, first, last).found; });
    const double fastest = medianOf(kRuns, [&] { found &= planFastestRoute(model, first, last).found; });

    std::vector<MapCoord> land;
    for (int column = 0; column < view.ColumnCount; ++column) {
        for (int row = 1; row <= view.RowCount; ++row) {
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
    if (!found) {
        err << "failed: no route between the corners\n";
        return 1;
    }
    const QString corners = coordinateText(model, first) + QStringLiteral(" to ") + coordinateText(model, last);
    out << "world: " << model.Provinces.Count() - 1 << " provinces, " << land.size() << " of them land on the surface\n";
    out << "staircase route " << corners << ", median of " << kRuns << ": " << QString::number(staircase, 'f', 3)
        << " ms\n";
    out << "fastest route " << corners << ", median of " << kRuns << ": " << QString::number(fastest, 'f', 2)
        << " ms\n";
    out << "fastest route between " << kPairs << " random pairs of land provinces (" << joined
        << " joined by land), median: " << QString::number(median(pairs), 'f', 2) << " ms\n";
    out << "staircase_ms=" << QString::number(staircase, 'f', 3) << " fastest_ms=" << QString::number(fastest, 'f', 2)
        << '\n';
    return 0;
}

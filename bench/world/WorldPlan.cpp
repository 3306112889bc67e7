#include "WorldPlan.h"

#include "WorldRoutes.h"

#include <cmath>
#include <iterator>

namespace arvenna {

namespace {
// The land terrains of the surface, with their weight among the patches.
struct Patch {
    int terrain;
    int weight;
};
const Patch kPatches[] = {{3, 34}, {1, 16}, {4, 18}, {5, 8}, {6, 10}, {7, 7}, {8, 2}};

int patchTerrain(std::mt19937& random)
{
    int total = 0;
    for (const Patch& p : kPatches)
        total += p.weight;
    int roll = std::uniform_int_distribution<int>(1, total)(random);
    for (const Patch& p : kPatches) {
        roll -= p.weight;
        if (roll <= 0)
            return p.terrain;
    }
    return kPatches[0].terrain;
}

struct Seed {
    int row;
    int column;
    int value;
};

// The value of the nearest seed, distances slightly jittered so that the
// borders between patches wander.
int nearest(const std::vector<Seed>& seeds, int row, int column, std::mt19937& random)
{
    std::uniform_real_distribution<double> jitter(0.0, 2.5);
    double best = 1e9;
    int value = 0;
    for (const Seed& seed : seeds) {
        const double d = std::hypot(double(seed.row - row), double(seed.column - column)) + jitter(random);
        if (d < best) {
            best = d;
            value = seed.value;
        }
    }
    return value;
}
} // namespace

QString rowCode(int row)
{
    if (row <= 100)
        return QString(QChar(u'a' + (row - 1) / 26)) + QChar(u'a' + (row - 1) % 26);
    return QStringLiteral("e") + QChar(u'a' + row - 101);
}

QString provinceCode(int row, int column)
{
    return rowCode(row) + QString::number(column).rightJustified(2, QLatin1Char('0'));
}

bool holdsCities(int terrain)
{
    return !isSea(terrain) && terrain != 9 && terrain != 10 && terrain != 11;
}

bool isSea(int terrain)
{
    return terrain == 2 || terrain == 3;
}

int terrainDays(int terrain)
{
    static const int days[] = {0, 8, 2, 3, 7, 8, 10, 14, 7, 7, 7, 7};
    return terrain >= 0 && terrain < int(std::size(days)) ? days[terrain] : 0;
}

int WorldPlan::pick(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

WorldPlan::Cell* WorldPlan::at(int row, int column)
{
    if (row < 1 || row > kSurfaceRows || column < 0 || column >= kColumns)
        return nullptr;
    return &cells[std::size_t((row - 1) * kColumns + column)];
}

WorldPlan::WorldPlan(unsigned seed) : random(seed)
{
    std::vector<Seed> terrainSeeds;
    for (int i = 0; i < 140; ++i)
        terrainSeeds.push_back({pick(1, kSurfaceRows), pick(0, kColumns - 1), patchTerrain(random)});
    std::vector<Seed> regionSeeds;
    for (int region = 1; region <= kRegions; ++region)
        regionSeeds.push_back({pick(1, kSurfaceRows), pick(0, kColumns - 1), region});

    for (int row = 1; row <= kSurfaceRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            Cell cell{row, column, nearest(terrainSeeds, row, column, random), 0, 0, false};
            if (cell.terrain != 3)
                cell.region = nearest(regionSeeds, row, column, random);
            cells.push_back(cell);
        }
    }
    // Sea lanes along the coasts.
    for (Cell& cell : cells) {
        if (cell.terrain != 3 || pick(0, 1) == 0)
            continue;
        for (auto [dr, dc] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
            const Cell* next = at(cell.row + dr, cell.column + dc);
            if (next && next->terrain != 3 && next->terrain != 2) {
                cell.terrain = 2;
                break;
            }
        }
    }
    // Rulers: a castle on land and a few provinces around it.
    for (int ruler = 1; ruler <= kRulers; ++ruler) {
        Cell* castle = nullptr;
        while (!castle) {
            Cell* candidate = at(pick(1, kSurfaceRows), pick(0, kColumns - 1));
            if (holdsCities(candidate->terrain) && candidate->ruler == 0)
                castle = candidate;
        }
        castleCell.push_back(int(castle - cells.data()));
        const int wanted = pick(2, 6);
        int ruled = 0;
        for (int dr = -1; dr <= 1 && ruled < wanted; ++dr) {
            for (int dc = -1; dc <= 1 && ruled < wanted; ++dc) {
                Cell* cell = at(castle->row + dr, castle->column + dc);
                if (cell && cell->ruler == 0 && cell->terrain != 3) {
                    cell->ruler = ruler;
                    ++ruled;
                }
            }
        }
    }
    // Cities on land that can hold them.
    int cities = 0;
    while (cities < kCities) {
        Cell* cell = at(pick(1, kSurfaceRows), pick(0, kColumns - 1));
        if (holdsCities(cell->terrain) && !cell->city) {
            cell->city = true;
            ++cities;
        }
    }
    // The other worlds: a few provinces of Hades, Faery and the tunnels.
    for (int i = 0; i < 40; ++i)
        cells.push_back({101 + i / 10, (i % 10) * 3, 9 + (i / 10) % 3, 0, 0, false});
    planRoutes(*this, seed + 1);
}

} // namespace arvenna

#include "WorldRoutes.h"

#include <algorithm>
#include <cstdlib>

namespace arvenna {

namespace {
constexpr int kTunnels = 8;
constexpr int kTunnelDays = 1;

int surfaceCells()
{
    return WorldPlan::kColumns * WorldPlan::kSurfaceRows;
}

class RoutePlanner {
public:
    RoutePlanner(WorldPlan& plan, unsigned seed) : plan_(plan), random_(seed) {}

    void plan()
    {
        plan_.routes.assign(plan_.cells.size(), {});
        for (int cell = 0; cell < surfaceCells(); ++cell)
            planSurface(cell);
        for (int cell = surfaceCells(); cell < int(plan_.cells.size()); ++cell)
            planBelow(cell);
        digTunnels();
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // The days into a surface province: one pass in four into the mountains
    // is closed, about one land route in twelve a slow road that winds.
    std::optional<int> surfaceDays(const WorldPlan::Cell& to)
    {
        const int roll = pick(0, 99);
        if (to.terrain == 6 && roll < 25)
            return std::nullopt;
        if (!isSea(to.terrain) && roll >= 92)
            return terrainDays(to.terrain) + pick(3, 9);
        return terrainDays(to.terrain);
    }

    void planSurface(int cell)
    {
        const WorldPlan::Cell& at = plan_.cells[std::size_t(cell)];
        const std::pair<RouteDirection, std::pair<int, int>> ways[] = {{RouteDirection::North, {-1, 0}},
                                                                      {RouteDirection::East, {0, 1}},
                                                                      {RouteDirection::South, {1, 0}},
                                                                      {RouteDirection::West, {0, -1}}};
        for (const auto& [direction, step] : ways) {
            if (const WorldPlan::Cell* to = plan_.at(at.row + step.first, at.column + step.second))
                plan_.routes[std::size_t(cell)].push_back({direction, int(to - plan_.cells.data()), surfaceDays(*to)});
        }
    }

    // The worlds below lie ten provinces a row, three columns apart; one
    // route in six between them is closed.
    void planBelow(int cell)
    {
        const int index = cell - surfaceCells();
        const int count = int(plan_.cells.size()) - surfaceCells();
        const std::pair<RouteDirection, int> ways[] = {
            {RouteDirection::North, index >= 10 ? -10 : 0},
            {RouteDirection::East, index % 10 < 9 && index + 1 < count ? 1 : 0},
            {RouteDirection::South, index + 10 < count ? 10 : 0},
            {RouteDirection::West, index % 10 > 0 ? -1 : 0}};
        for (const auto& [direction, offset] : ways) {
            if (offset == 0)
                continue;
            const int to = cell + offset;
            std::optional<int> days = terrainDays(plan_.cells[std::size_t(to)].terrain);
            if (pick(0, 5) == 0)
                days.reset();
            plan_.routes[std::size_t(cell)].push_back({direction, to, days});
        }
    }

    // Tunnel mouths near the left and right edges of the surface, down to
    // provinces spread over the worlds below.
    void digTunnels()
    {
        const int below = int(plan_.cells.size()) - surfaceCells();
        for (int tunnel = 0; tunnel < kTunnels && tunnel * 5 < below; ++tunnel) {
            const int deep = surfaceCells() + tunnel * 5;
            const int mouth = landNear(12 + (tunnel % 4) * 25, tunnel < kTunnels / 2 ? 12 : 87);
            plan_.routes[std::size_t(mouth)].push_back({RouteDirection::Down, deep, kTunnelDays});
            plan_.routes[std::size_t(deep)].push_back({RouteDirection::Up, mouth, kTunnelDays});
        }
    }

    // The surface land cell without a tunnel nearest the place, row by row
    // within a growing square; the place itself when there is none.
    int landNear(int row, int column) const
    {
        for (int radius = 0; radius < WorldPlan::kColumns + WorldPlan::kSurfaceRows; ++radius) {
            for (int r = row - radius; r <= row + radius; ++r) {
                for (int c = column - radius; c <= column + radius; ++c) {
                    const WorldPlan::Cell* cell = plan_.at(r, c);
                    if (!cell || isSea(cell->terrain) || std::max(std::abs(r - row), std::abs(c - column)) != radius)
                        continue;
                    const auto& routes = plan_.routes[std::size_t(cell - plan_.cells.data())];
                    if (routes.empty() || routes.back().direction != RouteDirection::Down)
                        return int(cell - plan_.cells.data());
                }
            }
        }
        return int(plan_.at(row, column) - plan_.cells.data());
    }

    WorldPlan& plan_;
    std::mt19937 random_;
};
} // namespace

void planRoutes(WorldPlan& plan, unsigned seed)
{
    RoutePlanner(plan, seed).plan();
}

} // namespace arvenna

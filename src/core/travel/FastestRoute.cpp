#include "FastestRoute.h"

#include "model/MapModel.h"
#include "view/ProvinceLookup.h"

#include <QHash>
#include <algorithm>
#include <functional>
#include <limits>
#include <queue>
#include <vector>

namespace arvenna {

namespace {
constexpr double kBlocked = -1;

// The surface grid with the cost of entering each cell, kBlocked where the
// route may not go. Only the provinces the model holds are visited.
class CostGrid {
public:
    explicit CostGrid(const MapModel& model)
        : columns_(model.XCoords.Count()),
          rows_(std::min<int>(model.UndergroundRow, model.YCoordsByNum.Count())),
          costs_(std::size_t(std::max(0, columns_ * rows_)), kBlocked)
    {
        // The rows by the codes provinces carry, and the terrains' costs, found
        // once rather than once a province.
        QHash<QString, int> rowsByCode;
        for (const ClassCoordinates& row : model.YCoordsByNum)
            rowsByCode.insert(row.CoordCode(), row.CoordId);
        QHash<qint16, double> costByTerrain;
        for (const ClassProvincia& province : model.Provinces) {
            if (province.ProvinceCoordY.isEmpty())
                continue; // the empty province of undiscovered cells
            int row = rowsByCode.value(province.ProvinceCoordY, 0);
            if (row == 0) {
                const ClassCoordinates* other = model.YCoordsByCode.find(province.ProvinceCoordY);
                row = other ? other->CoordId : 0;
            }
            bool numeric = false;
            const int column = province.ProvinceCoordX.toInt(&numeric);
            if (!numeric || !contains(column, row))
                continue;
            const qint16 terrain = province.ProvinceTerrainID;
            auto known = costByTerrain.constFind(terrain);
            if (known == costByTerrain.constEnd()) {
                const double movement = model.TerrainsByID.Item(QString::number(terrain)).TerrainMovement;
                known = costByTerrain.insert(terrain, isKnownLandTerrain(model.TerrainsByID, terrain)
                                                          ? std::max(0.0, movement)
                                                          : kBlocked);
            }
            costs_[std::size_t(index(column, row))] = *known;
        }
    }

    bool contains(int column, int row) const { return column >= 0 && column < columns_ && row >= 1 && row <= rows_; }
    int index(int column, int row) const { return column * rows_ + row - 1; }
    int column(int node) const { return node / rows_; }
    int row(int node) const { return node % rows_ + 1; }
    double cost(int node) const { return costs_[std::size_t(node)]; }
    int size() const { return int(costs_.size()); }

private:
    int columns_;
    int rows_;
    std::vector<double> costs_;
};

// Why the route cannot begin or end in that cell, or nothing when it can.
QString unusableEnd(const MapModel& model, const CostGrid& grid, MapCoord cell)
{
    const QString place = QLatin1Char('[') + rowCode(model, int(cell.Y)) + QLatin1Char(' ')
                          + QString::number(int(cell.X)) + QLatin1Char(']');
    if (!grid.contains(int(cell.X), int(cell.Y)))
        return QStringLiteral("No fastest route: %1 is not on the surface map.").arg(place);
    const ClassProvincia& province = provinceAt(model, cell);
    if (province.ProvinceCoordY.isEmpty())
        return QStringLiteral("No fastest route: %1 is not discovered yet.").arg(place);
    if (isSeaTerrain(province.ProvinceTerrainID))
        return QStringLiteral("No fastest route: %1 is at sea.").arg(place);
    if (grid.cost(grid.index(int(cell.X), int(cell.Y))) == kBlocked)
        return QStringLiteral("No fastest route: the terrain of %1 is unknown.").arg(place);
    return {};
}
} // namespace

RouteLines planFastestRoute(const MapModel& model, MapCoord start, MapCoord end)
{
    const CostGrid grid(model);
    for (const MapCoord cell : {start, end}) {
        if (const QString why = unusableEnd(model, grid, cell); !why.isEmpty())
            return refusedRoute(why);
    }
    const int from = grid.index(int(start.X), int(start.Y));
    const int to = grid.index(int(end.X), int(end.Y));
    if (from == to)
        return RouteTally(model).finish();
    std::vector<double> days(std::size_t(grid.size()), std::numeric_limits<double>::infinity());
    std::vector<int> previous(std::size_t(grid.size()), -1);
    // Ordered by days, then by cell, so equal routes resolve the same way every run.
    using Entry = std::pair<double, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    days[std::size_t(from)] = 0;
    open.push({0, from});
    while (!open.empty()) {
        const auto [reached, node] = open.top();
        open.pop();
        if (node == to)
            break;
        if (reached > days[std::size_t(node)])
            continue;
        const int column = grid.column(node);
        const int row = grid.row(node);
        const std::pair<int, int> neighbours[] = {{column, row - 1}, {column - 1, row}, {column + 1, row},
                                                  {column, row + 1}};
        for (const auto& [x, y] : neighbours) {
            if (!grid.contains(x, y))
                continue;
            const int next = grid.index(x, y);
            if (grid.cost(next) == kBlocked)
                continue;
            const double through = reached + grid.cost(next);
            if (through < days[std::size_t(next)]) {
                days[std::size_t(next)] = through;
                previous[std::size_t(next)] = node;
                open.push({through, next});
            }
        }
    }
    if (previous[std::size_t(to)] < 0)
        return refusedRoute(QStringLiteral("No known route joins [%1 %2] and [%3 %4] over discovered land.")
                           .arg(rowCode(model, int(start.Y)))
                           .arg(int(start.X))
                           .arg(rowCode(model, int(end.Y)))
                           .arg(int(end.X)));
    std::vector<int> path;
    for (int node = to; node != from; node = previous[std::size_t(node)])
        path.push_back(node);
    RouteTally tally(model);
    for (auto it = path.rbegin(); it != path.rend(); ++it)
        tally.enter(grid.column(*it), grid.row(*it));
    return tally.finish();
}

} // namespace arvenna

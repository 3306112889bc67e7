#include "TravelGraph.h"

#include "model/MapModel.h"
#include "view/ProvinceLookup.h"

#include <algorithm>

namespace arvenna {

namespace {
constexpr double kBlocked = -1;

// Two letters of a code as one number, letter case folded: codes are looked
// up once a step, and this asks for no string.
quint32 letterPair(QChar first, QChar second)
{
    return quint32(first.toLower().unicode()) << 16 | second.toLower().unicode();
}
} // namespace

const QList<KnownRoute>* knownRoutesAt(const MapModel& model, MapCoord cell)
{
    return model.Routes.find(provinceCodeAt(model, cell));
}

TravelGraph::TravelGraph(const MapModel& model)
    : model_(model),
      columns_(model.XCoords.Count()),
      rows_(model.YCoordsByNum.Count()),
      surfaceRows_(std::min<int>(model.UndergroundRow, rows_)),
      rowCodes_(std::size_t(rows_)),
      places_(std::size_t(nodeCount()))
{
    for (const ClassCoordinates& row : model.YCoordsByNum) {
        if (row.CoordId < 1 || row.CoordId > rows_)
            continue;
        const QString code = row.CoordCode();
        rowCodes_[std::size_t(row.CoordId - 1)] = code;
        if (code.size() == 2)
            rowsByLetters_.insert(letterPair(code[0], code[1]), row.CoordId);
    }
    for (int column = 0; column < columns_; ++column)
        columnCodes_.push_back(twoDigitColumn(column));
    for (const ClassTerrain& terrain : model.TerrainsByID) {
        if (isKnownLandTerrain(model.TerrainsByID, terrain.TerrainId))
            landCostByTerrain_.insert(terrain.TerrainId, std::max(0.0, double(terrain.TerrainMovement)));
    }
}

std::optional<int> TravelGraph::nodeAt(MapCoord cell) const
{
    // Compared before the conversion, which no value outside the grid may reach.
    if (!(cell.X >= 0 && cell.X < columns_ && cell.Y >= 1 && cell.Y < rows_ + 1))
        return std::nullopt;
    return int(cell.X) * rows_ + int(cell.Y) - 1;
}

const QString& TravelGraph::keyOf(int node) const
{
    key_.resize(0); // keeps its room: one string serves every look-up
    key_.append(rowCodes_[std::size_t(node % rows_)]).append(columnCodes_[std::size_t(node / rows_)]);
    return key_;
}

const TravelGraph::Place& TravelGraph::place(int node) const
{
    std::optional<Place>& known = places_[std::size_t(node)];
    if (!known) {
        // No province under the key, or the empty one of undiscovered cells: undiscovered.
        const ClassProvincia* province = model_.Provinces.find(keyOf(node));
        const bool discovered = province && !province->ProvinceCoordY.isEmpty();
        known = Place{discovered ? landCostByTerrain_.value(province->ProvinceTerrainID, kBlocked) : kBlocked,
                      discovered && !isSeaTerrain(province->ProvinceTerrainID)};
    }
    return *known;
}

std::optional<int> TravelGraph::nodeOfKey(const QString& provinceKey) const
{
    // Digits only, and no more than a column number can have: read by hand,
    // as this runs for every route the search meets.
    if (provinceKey.size() < 3 || provinceKey.size() > 6)
        return std::nullopt;
    int column = 0;
    for (qsizetype i = 2; i < provinceKey.size(); ++i) {
        const char16_t digit = provinceKey[i].unicode();
        if (digit < u'0' || digit > u'9')
            return std::nullopt;
        column = column * 10 + (digit - u'0');
    }
    const int row = rowsByLetters_.value(letterPair(provinceKey[0], provinceKey[1]), 0);
    return nodeAt(MapCoord{double(column), double(row)});
}

const QList<KnownRoute>* TravelGraph::knownRoutes(int node) const
{
    return model_.Routes.find(keyOf(node));
}

void TravelGraph::stepsFrom(int node, std::vector<TravelStep>& steps) const
{
    steps.clear();
    if (const QList<KnownRoute>* routes = knownRoutes(node)) {
        for (const KnownRoute& route : *routes) {
            const std::optional<int> next = route.impassable() ? std::nullopt : nodeOfKey(route.destination);
            if (next && *next != node && place(*next).enterable)
                steps.push_back({*next, std::max(0.0, double(*route.days))});
        }
        return;
    }
    if (!onSurface(node))
        return;
    const int column = node / rows_;
    const int row = node % rows_ + 1;
    const std::pair<int, int> neighbours[] = {{column, row - 1}, {column - 1, row}, {column + 1, row}, {column, row + 1}};
    for (const auto& [x, y] : neighbours) {
        if (y > surfaceRows_)
            continue;
        const std::optional<int> next = nodeAt(MapCoord{double(x), double(y)});
        if (next && knownLand(*next))
            steps.push_back({*next, place(*next).landCost});
    }
}

} // namespace arvenna

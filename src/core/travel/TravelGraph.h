#pragma once

#include "view/MapCoord.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

namespace arvenna {

struct KnownRoute;
struct MapModel;

// The routes the reports listed as leaving the province at a cell, or
// nothing when none are known.
const QList<KnownRoute>* knownRoutesAt(const MapModel& model, MapCoord cell);

// One step of a journey on foot: the node entered and the days it takes.
struct TravelStep {
    int node = 0;
    double days = 0;
};

// Every cell of the grid, surface and the worlds below it, as a node, and
// the steps that leave each one on foot:
// - a province whose routes are known: exactly those routes with their
//   days, impassable ones left out; Up and Down link the worlds;
// - any other surface cell: its four neighbours on the surface, each step
//   costing the movement of the province entered, into known land only;
// - any other cell below the surface: none. The rows below the surface are
//   worlds of their own whose cells need not touch their grid neighbours,
//   so there only the reports' routes are trusted.
// No step enters a sea or an undiscovered cell, whatever the route says.
class TravelGraph {
public:
    explicit TravelGraph(const MapModel& model);

    int nodeCount() const { return columns_ * rows_; }
    // The node of a cell; nothing for a cell outside the grid.
    std::optional<int> nodeAt(MapCoord cell) const;
    MapCoord cellOf(int node) const { return {double(node / rows_), double(node % rows_ + 1)}; }
    bool onSurface(int node) const { return node % rows_ + 1 <= surfaceRows_; }
    // Whether the node is land the game's terrain table knows, which the
    // terrain rule may enter.
    bool knownLand(int node) const { return place(node).landCost >= 0; }
    bool routesKnown(int node) const { return knownRoutes(node) != nullptr; }

    // The steps leaving the node, in a fixed order: known routes in their
    // direction order, else north, west, east, south. steps is cleared first.
    void stepsFrom(int node, std::vector<TravelStep>& steps) const;

private:
    // What a step into a node needs of its province.
    struct Place {
        double landCost; // the terrain rule's days into it, negative when it may not enter
        bool enterable;  // discovered and not at sea: a known route may enter
    };

    // Read from the model when first asked for: a search seldom meets every cell.
    const Place& place(int node) const;
    // The province key of the node's cell ("ab07"), valid until the next call.
    const QString& keyOf(int node) const;
    std::optional<int> nodeOfKey(const QString& provinceKey) const;
    const QList<KnownRoute>* knownRoutes(int node) const;

    const MapModel& model_;
    int columns_;
    int rows_;
    int surfaceRows_;
    std::vector<QString> rowCodes_;    // by row position - 1
    std::vector<QString> columnCodes_; // two digits, by column
    QHash<quint32, int> rowsByLetters_; // the row position of each two-letter code, folded to lower case
    QHash<qint16, double> landCostByTerrain_;
    mutable std::vector<std::optional<Place>> places_;
    mutable QString key_;
};

} // namespace arvenna

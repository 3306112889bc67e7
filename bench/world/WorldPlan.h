#pragma once

#include "model/KnownRoutes.h"

#include <QString>
#include <optional>
#include <random>
#include <vector>

namespace arvenna {

// A synthetic full world, planned in memory before it is written: every
// surface cell a province, terrains in patches with seas between them,
// regions, rulers around their castles, cities, a few provinces below
// the surface, and the routes leaving every province.
struct WorldPlan {
    static constexpr int kColumns = 100;
    static constexpr int kSurfaceRows = 100;
    static constexpr int kRegions = 50;
    static constexpr int kAlliances = 20;
    static constexpr int kRulers = 300;
    static constexpr int kCharacters = 2000;
    static constexpr int kCities = 2000;
    static constexpr int kInnerLocations = 6000;

    struct Cell {
        int row = 0;    // 1-based row position
        int column = 0; // 0-based column number
        int terrain = 0;
        int region = 0; // 0 for none
        int ruler = 0;  // 0 for none
        bool city = false;
    };

    // A route leaving a province, as its report lists it.
    struct Route {
        RouteDirection direction = RouteDirection::North;
        int destination = 0;     // index into cells
        std::optional<int> days; // nothing when impassable
    };

    explicit WorldPlan(unsigned seed);

    std::vector<Cell> cells; // surface row by row, then the other worlds
    std::vector<int> castleCell; // per ruler (index ruler - 1), its castle's cell
    std::vector<std::vector<Route>> routes; // per cell, in direction order
    std::mt19937 random;

    int pick(int low, int high); // inclusive
    Cell* at(int row, int column);
};

QString rowCode(int row);
QString provinceCode(int row, int column);
bool holdsCities(int terrain);
bool isSea(int terrain);
// The days on foot into a province of the terrain, as the built game's
// terrain table has them.
int terrainDays(int terrain);

} // namespace arvenna

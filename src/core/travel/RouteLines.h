#pragma once

#include "view/MapCoord.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace arvenna {

struct MapModel;

// The lines a route adds to the details list after its start line.
// found is false when no route was planned; lines then say why. path holds
// the cells entered, in order.
struct RouteLines {
    QStringList lines;
    bool found = true;
    QList<MapCoord> path;

    bool operator==(const RouteLines&) const = default;
};

// No route: the one line saying why.
RouteLines refusedRoute(const QString& why);

// "Travel From [ab 07]": the row code and the column with two digits.
QString travelStartLine(const MapModel& model, MapCoord start);

// Adds up a route province by province: one step line per province
// entered, with the days the step takes on foot and riding, then the two
// totals lines.
class RouteTally {
public:
    explicit RouteTally(const MapModel& model) : model_(model) {}
    // A step taking the days its terrain takes on foot.
    void enter(int column, int row);
    // A step whose days on foot are known otherwise, as a route's.
    void enter(int column, int row, double days);
    RouteLines finish();

private:
    const MapModel& model_;
    QStringList lines_;
    QList<MapCoord> path_;
    // Whole days, kept as doubles so that no terrain value can overflow them.
    double onFoot_ = 0;
    double riding_ = 0;
};

// The days riding for a terrain movement: half of it, halves rounded up.
double ridingDays(double movement);

} // namespace arvenna

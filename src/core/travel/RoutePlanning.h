#pragma once

#include "RouteLines.h"
#include "view/MapCoord.h"

#include <QString>

namespace arvenna {

struct MapModel;

// Whether the cell lies on the surface rows. Travel mode starts routes
// there only.
bool onSurface(const MapModel& model, MapCoord cell);
// Whether a route may begin or end at the cell: on the surface, or, for the
// fastest route, in any world where the cell's routes are known, since they
// are the only way into the worlds below.
bool mayEndRoute(const MapModel& model, MapCoord cell, bool fastest);
// "No route: [ea 40] is below the surface."
QString belowSurfaceLine(const MapModel& model, MapCoord cell);

// The route travel mode plans from start to end: the fastest one or the
// staircase, or, when an end may not be one (mayEndRoute), the line saying
// why and found false.
RouteLines planRoute(const MapModel& model, MapCoord start, MapCoord end, bool fastest);

} // namespace arvenna

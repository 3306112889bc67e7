#pragma once

#include "RouteLines.h"
#include "view/MapCoord.h"

#include <QString>

namespace arvenna {

struct MapModel;

// Routes run over the surface rows only: travel mode starts none below them
// and plans none that ends there.
bool onSurface(const MapModel& model, MapCoord cell);
// "No route: [ea 40] is below the surface."
QString belowSurfaceLine(const MapModel& model, MapCoord cell);

// The route travel mode plans from start to end: the fastest one or the
// staircase, or, when either end lies below the surface, the line saying
// why and found false.
RouteLines planRoute(const MapModel& model, MapCoord start, MapCoord end, bool fastest);

} // namespace arvenna

#pragma once

#include "RouteLines.h"
#include "view/MapCoord.h"

namespace arvenna {

struct MapModel;

// The route of fewest days on foot from start to end over the steps of
// TravelGraph: the reports' routes where a province's routes are known, the
// terrain of the four surface neighbours elsewhere. A step over a known route
// shows that route's days, a step by terrain the movement of the province
// entered. The lines are those of PlanTravel.
// An end must be discovered, not at sea, and of known land terrain or with
// its routes known; below the surface only a cell whose routes are known
// can be an end. Otherwise, or when no steps join the ends, one line says
// why and found is false. Equal routes are chosen the same way on every run.
RouteLines planFastestRoute(const MapModel& model, MapCoord start, MapCoord end);

} // namespace arvenna

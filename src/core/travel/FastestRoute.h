#pragma once

#include "RouteLines.h"
#include "view/MapCoord.h"

namespace arvenna {

struct MapModel;

// The route of fewest days on foot from start to end over the surface rows:
// steps to the four neighbouring cells, each costing the movement of the
// province entered, through provinces of a known land terrain only (never a
// sea, an undiscovered cell or a terrain the game's table lacks, which
// would cost nothing). The lines are those of PlanTravel;
// a start or end that cannot be entered, or ends that no known land joins,
// give one line saying why and found false. Equal routes are chosen the
// same way on every run.
RouteLines planFastestRoute(const MapModel& model, MapCoord start, MapCoord end);

} // namespace arvenna

#pragma once

#include "RouteLines.h"
#include "view/MapCoord.h"

namespace arvenna {

struct MapModel;

// PlanTravel: the staircase from start to end, one column step and one row
// step a pass while both differ, then straight on along the axis left. Each
// province entered gives its step line; the totals follow.
RouteLines PlanTravel(const MapModel& model, MapCoord start, MapCoord end);

} // namespace arvenna

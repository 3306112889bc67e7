#pragma once

#include "WorldPlan.h"

namespace arvenna {

// Plans the routes leaving every province of the world into plan.routes:
// on the surface the four neighbours, each taking the days of the terrain
// entered, with some passes into the mountains impassable and some slow
// roads; below the surface routes between the provinces of each world and
// between the worlds; and a few tunnels, a surface province with Down to a
// province below and that one Up back. The choices come from their own
// generator seeded by seed, so the rest of the world is as it was.
void planRoutes(WorldPlan& plan, unsigned seed);

} // namespace arvenna

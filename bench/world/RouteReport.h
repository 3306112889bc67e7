#pragma once

#include "WorldPlan.h"

#include <QByteArray>

namespace arvenna {

// The paragraph listing the routes leaving a province of the plan:
// "Routes leaving NAME:", then one line a route, "   North, to NAME [code]",
// the region and the terrain word of a surface province reached, and
// ", N days", ", 1 day" or ", impassable".
QByteArray routesReport(const WorldPlan& plan, int cell);

} // namespace arvenna

#include "RoutePlanning.h"

#include "FastestRoute.h"
#include "StaircaseRoute.h"
#include "TravelGraph.h"
#include "model/MapModel.h"
#include "view/ProvinceLookup.h"

namespace arvenna {

bool onSurface(const MapModel& model, MapCoord cell)
{
    return cell.Y >= 1 && cell.Y <= model.UndergroundRow;
}

bool mayEndRoute(const MapModel& model, MapCoord cell, bool fastest)
{
    return onSurface(model, cell) || (fastest && knownRoutesAt(model, cell));
}

QString belowSurfaceLine(const MapModel& model, MapCoord cell)
{
    return QStringLiteral("No route: [%1 %2] is below the surface.").arg(rowCode(model, int(cell.Y))).arg(int(cell.X));
}

RouteLines planRoute(const MapModel& model, MapCoord start, MapCoord end, bool fastest)
{
    for (const MapCoord cell : {start, end}) {
        if (!mayEndRoute(model, cell, fastest))
            return refusedRoute(belowSurfaceLine(model, cell));
    }
    return fastest ? planFastestRoute(model, start, end) : PlanTravel(model, start, end);
}

} // namespace arvenna

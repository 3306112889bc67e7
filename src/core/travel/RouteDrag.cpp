#include "RouteDrag.h"

#include "RoutePlanning.h"
#include "RouteStart.h"
#include "view/MapView.h"

namespace arvenna {

bool pressStartsRoute(const MapView& view, bool leftButton)
{
    return !view.route.started && leftButton && view.SelectedCoord.Y <= view.UndergroundRow;
}

std::optional<QString> pressForRoute(MapView& view, const MapModel& model, QPointF twips, bool leftButton)
{
    RouteMarks& marks = view.route;
    if (!pressStartsRoute(view, leftButton)) {
        cancelRoute(view);
        return std::nullopt;
    }
    marks.hide();
    marks.started = true;
    marks.Line1 = QLineF(twips, twips);
    marks.line1Visible = true;
    return travelStartLine(model, view.SelectedCoord);
}

bool moveRouteEnd(MapView& view, QPointF twips)
{
    if (!view.route.started)
        return false;
    view.route.Line1.setP2(twips);
    return true;
}

RouteRelease releaseRoute(MapView& view, const MapModel& model, QPointF twips, const QString& selectedLine,
                          bool fastest)
{
    RouteMarks& marks = view.route;
    if (!marks.started) {
        cancelRoute(view);
        return {};
    }
    const std::optional<MapCoord> end = view.coordAt(twips);
    if (!end) {
        cancelRoute(view);
        return {};
    }
    marks.started = false;
    marks.shape10Centre = marks.Line1.p2();
    marks.shape10Visible = true;
    const std::optional<MapCoord> start = routeStart(model, selectedLine);
    if (!start)
        return {};
    if (*start == *end) {
        cancelRoute(view);
        return {RouteRelease::Action::RemoveStartLine, {}};
    }
    RouteLines route = planRoute(model, *start, *end, fastest);
    // A fastest route seldom follows the band: its cells show the way.
    if (fastest) {
        for (const MapCoord cell : route.path)
            marks.pathCells << view.cellRect(cell);
    }
    return {RouteRelease::Action::AppendLines, route};
}

void cancelRoute(MapView& view)
{
    view.route.hide();
}

} // namespace arvenna

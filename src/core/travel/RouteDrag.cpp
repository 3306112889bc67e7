#include "RouteDrag.h"

#include "FastestRoute.h"
#include "RouteStart.h"
#include "StaircaseRoute.h"
#include "view/MapView.h"

namespace arvenna {

std::optional<QString> pressForRoute(MapView& view, const MapModel& model, QPointF twips, bool leftButton)
{
    RouteMarks& marks = view.route;
    if (marks.started || !leftButton || view.SelectedCoord.Y > view.UndergroundRow) {
        cancelRoute(view);
        return std::nullopt;
    }
    marks.started = true;
    marks.shape10Visible = false;
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
    return {RouteRelease::Action::AppendLines,
            fastest ? planFastestRoute(model, *start, *end) : PlanTravel(model, *start, *end)};
}

void cancelRoute(MapView& view)
{
    view.route.started = false;
    view.route.line1Visible = false;
    view.route.shape10Visible = false;
}

} // namespace arvenna

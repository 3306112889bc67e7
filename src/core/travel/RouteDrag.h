#pragma once

#include "RouteLines.h"

#include <QPointF>
#include <QString>
#include <optional>

namespace arvenna {

struct MapModel;
struct MapView;

// Whether a press at SelectedCoord starts a route rather than cancelling one.
bool pressStartsRoute(const MapView& view, bool leftButton);

// A press on the map in travel mode, at SelectedCoord (already set from the
// press point). A left press on a surface row while no route is started
// starts one: the rubber band sits at the press point and the start line
// is returned, for the details list after an empty line. Any other press
// cancels the route: nothing is returned and the marks are hidden.
std::optional<QString> pressForRoute(MapView& view, const MapModel& model, QPointF twips, bool leftButton);

// While a route is started the rubber band's end follows the mouse.
// Returns whether it moved.
bool moveRouteEnd(MapView& view, QPointF twips);

// What the release of a route does to the details list.
struct RouteRelease {
    enum class Action { None, RemoveStartLine, AppendLines };
    Action action = Action::None;
    RouteLines route;
};

// Ends the route started: the end mark goes to the rubber band's end and the
// route from the start read back from selectedLine to the cell under the
// release is planned (planRoute), as a staircase or, with fastest, the route
// of fewest days, whose cells are then outlined. A release on the start cell
// removes the start line; a release off the grid cancels; an unreadable
// start line plans nothing. With no route started the marks are hidden.
RouteRelease releaseRoute(MapView& view, const MapModel& model, QPointF twips, const QString& selectedLine,
                          bool fastest);

// Escape: the route is abandoned and its marks hidden; lines already in
// the details list stay.
void cancelRoute(MapView& view);

} // namespace arvenna

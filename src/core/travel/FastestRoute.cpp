#include "FastestRoute.h"

#include "TravelGraph.h"
#include "model/MapModel.h"
#include "view/ProvinceLookup.h"

#include <functional>
#include <limits>
#include <queue>
#include <vector>

namespace arvenna {

namespace {
QString placeText(const MapModel& model, MapCoord cell)
{
    return QLatin1Char('[') + rowCode(model, int(cell.Y)) + QLatin1Char(' ') + QString::number(int(cell.X))
           + QLatin1Char(']');
}

// Why the route cannot begin or end in that cell, or nothing when it can.
QString unusableEnd(const MapModel& model, const TravelGraph& graph, MapCoord cell)
{
    const QString place = placeText(model, cell);
    const std::optional<int> node = graph.nodeAt(cell);
    if (!node || (!graph.onSurface(*node) && !graph.routesKnown(*node)))
        return QStringLiteral("No fastest route: %1 is not on the surface map.").arg(place);
    const ClassProvincia& province = provinceAt(model, cell);
    if (province.ProvinceCoordY.isEmpty())
        return QStringLiteral("No fastest route: %1 is not discovered yet.").arg(place);
    if (isSeaTerrain(province.ProvinceTerrainID))
        return QStringLiteral("No fastest route: %1 is at sea.").arg(place);
    if (!graph.knownLand(*node) && !graph.routesKnown(*node))
        return QStringLiteral("No fastest route: the terrain of %1 is unknown.").arg(place);
    return {};
}

// How the search reached a node: its fewest days, the node before and the
// days of the step from there.
struct Reached {
    double days = std::numeric_limits<double>::infinity();
    int previous = -1;
    double stepDays = 0;
};

std::vector<Reached> searchFrom(const TravelGraph& graph, int from, int to)
{
    std::vector<Reached> reached(std::size_t(graph.nodeCount()));
    // Ordered by days, then by node, so equal routes resolve the same way every run.
    using Entry = std::pair<double, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    reached[std::size_t(from)].days = 0;
    open.push({0, from});
    std::vector<TravelStep> steps;
    while (!open.empty()) {
        const auto [days, node] = open.top();
        open.pop();
        if (node == to)
            break;
        if (days > reached[std::size_t(node)].days)
            continue;
        graph.stepsFrom(node, steps);
        for (const TravelStep& step : steps) {
            Reached& next = reached[std::size_t(step.node)];
            if (days + step.days < next.days) {
                next = {days + step.days, node, step.days};
                open.push({next.days, step.node});
            }
        }
    }
    return reached;
}
} // namespace

RouteLines planFastestRoute(const MapModel& model, MapCoord start, MapCoord end)
{
    const TravelGraph graph(model);
    for (const MapCoord cell : {start, end}) {
        if (const QString why = unusableEnd(model, graph, cell); !why.isEmpty())
            return refusedRoute(why);
    }
    const int from = *graph.nodeAt(start);
    const int to = *graph.nodeAt(end);
    if (from == to)
        return RouteTally(model).finish();
    const std::vector<Reached> reached = searchFrom(graph, from, to);
    if (reached[std::size_t(to)].previous < 0)
        return refusedRoute(QStringLiteral("No known route joins %1 and %2 over discovered land.")
                                .arg(placeText(model, start), placeText(model, end)));
    std::vector<int> path;
    for (int node = to; node != from; node = reached[std::size_t(node)].previous)
        path.push_back(node);
    RouteTally tally(model);
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        const MapCoord cell = graph.cellOf(*it);
        tally.enter(int(cell.X), int(cell.Y), reached[std::size_t(*it)].stepDays);
    }
    return tally.finish();
}

} // namespace arvenna

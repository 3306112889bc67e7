#include "RouteReport.h"

#include "ReportWords.h"

namespace arvenna {

namespace {
QByteArray daysText(const std::optional<int>& days)
{
    if (!days)
        return "impassable";
    return number(*days) + (*days == 1 ? " day" : " days");
}
} // namespace

QByteArray routesReport(const WorldPlan& plan, int cell)
{
    QByteArray text = "Routes leaving " + provinceName(cell) + ":\n";
    for (const WorldPlan::Route& route : plan.routes[std::size_t(cell)]) {
        const WorldPlan::Cell& to = plan.cells[std::size_t(route.destination)];
        text += "   " + directionName(route.direction).toLatin1() + ", to " + provinceName(route.destination) + " ["
                + provinceCode(to.row, to.column).toLatin1() + "]";
        if (to.row <= WorldPlan::kSurfaceRows) {
            if (to.region)
                text += ", " + regionName(to.region);
            text += ", " + terrainWord(to.terrain);
        }
        text += ", " + daysText(route.days) + "\n";
    }
    return text;
}

} // namespace arvenna

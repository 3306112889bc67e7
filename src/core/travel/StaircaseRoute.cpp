#include "StaircaseRoute.h"

namespace arvenna {

namespace {
// One step of an axis towards its end; true when it moved.
bool stepTowards(int& current, int end)
{
    if (current == end)
        return false;
    current += end > current ? 1 : -1;
    return true;
}
} // namespace

RouteLines PlanTravel(const MapModel& model, MapCoord start, MapCoord end)
{
    RouteTally tally(model);
    int column = int(start.X);
    int row = int(start.Y);
    const int endColumn = int(end.X);
    const int endRow = int(end.Y);
    while (column != endColumn || row != endRow) {
        if (stepTowards(column, endColumn))
            tally.enter(column, row);
        if (stepTowards(row, endRow))
            tally.enter(column, row);
    }
    return tally.finish();
}

} // namespace arvenna

#pragma once

#include <QLineF>
#include <QPointF>

namespace arvenna {

// The figures of a route on the map picture, in twips: the rubber band
// Line1 from the press to the mouse and the end mark Shape10. started is
// the route-start flag, set from the press that starts a route to the
// release that ends it.
struct RouteMarks {
    bool started = false;
    QLineF Line1;
    bool line1Visible = false;
    QPointF shape10Centre;
    bool shape10Visible = false;

    bool operator==(const RouteMarks&) const = default;
};

} // namespace arvenna

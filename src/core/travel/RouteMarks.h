#pragma once

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>

namespace arvenna {

// The figures of a route on the map picture, in twips: the rubber band
// Line1 from the press to the mouse, the end mark Shape10 and the outlines
// of the cells a fastest route passes. started is the route-start flag, set
// from the press that starts a route to the release that ends it.
struct RouteMarks {
    bool started = false;
    QLineF Line1;
    bool line1Visible = false;
    QPointF shape10Centre;
    bool shape10Visible = false;
    QList<QRectF> pathCells;

    bool operator==(const RouteMarks&) const = default;

    // Ends the route and hides its figures: they are drawn for one place
    // and zoom of the map window only.
    void hide()
    {
        started = false;
        line1Visible = false;
        shape10Visible = false;
        pathCells.clear();
    }
};

} // namespace arvenna

#pragma once

#include "ViewCommands.h"

#include <QPointF>

namespace arvenna {

struct MapView;

// Moving the map window by dragging its frame (Shape1) on the overview.
// Points are twips on the overview picture. The origin changes only at the
// release; a frame dropped partly or wholly outside snaps back inside.
class OverviewDrag {
public:
    // A left press centres the frame on the point and grabs it there.
    void press(MapView& view, QPointF point);
    // The frame follows the mouse; false when no frame is grabbed.
    bool move(MapView& view, QPointF point);
    // Drops the frame: the origin is the cell under its corner, or the last
    // full window at an edge it crossed. Nothing happens without a grab.
    ViewChange release(MapView& view);

private:
    bool grabbed_ = false;
    QPointF offset_; // from the mouse to the frame's top-left corner
};

} // namespace arvenna

#include "OverviewDrag.h"

#include "MapView.h"

#include <algorithm>

namespace arvenna {

namespace {
// One axis of the dropped frame: its start and the window origin along it.
int dropAxis(double& start, double length, double drawing, double cellSize, int count, int cells)
{
    int origin = frameCell(start, cellSize);
    if (start + length > drawing) {
        start = drawing - length;
        origin = std::max(0, count - cells);
    }
    if (start < 0) {
        start = 0;
        origin = 0;
    }
    return origin;
}
} // namespace

void OverviewDrag::press(MapView& view, QPointF point)
{
    if (!view.MapOpen)
        return;
    view.Shape1.moveTopLeft(point - QPointF(view.Shape1.width() / 2, view.Shape1.height() / 2));
    offset_ = view.Shape1.topLeft() - point;
    grabbed_ = true;
}

bool OverviewDrag::move(MapView& view, QPointF point)
{
    if (!grabbed_ || !view.MapOpen)
        return false;
    view.Shape1.moveTopLeft(point + offset_);
    return true;
}

ViewChange OverviewDrag::release(MapView& view)
{
    if (!grabbed_)
        return {};
    grabbed_ = false;
    offset_ = QPointF();
    if (!view.MapOpen)
        return {};
    double left = view.Shape1.left();
    double top = view.Shape1.top();
    view.X0 = dropAxis(left, view.Shape1.width(), view.OverviewWidth, view.OverviewCellWidth, view.ColumnCount,
                       view.XCells);
    view.Y0 = dropAxis(top, view.Shape1.height(), view.OverviewHeight, view.OverviewCellHeight, view.RowCount,
                       view.YCells);
    view.Shape1.moveTopLeft(QPointF(left, top));
    return {true, true, false};
}

} // namespace arvenna

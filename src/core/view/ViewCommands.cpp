#include "ViewCommands.h"

#include "model/MapModel.h"

#include <QtMath>
#include <algorithm>

namespace arvenna {

void placeFrame(MapView& view)
{
    view.Shape1 = QRectF(view.X0 * view.OverviewCellWidth, view.Y0 * view.OverviewCellHeight,
                         view.XCells * view.OverviewCellWidth, view.YCells * view.OverviewCellHeight);
}

// The small allowance keeps X0 × width / width at X0.
int frameCell(double twips, double cellSize)
{
    return cellSize > 0 ? qFloor(twips / cellSize + 1e-9) : 0;
}

namespace {
ViewChange scroll(MapView& view, int Index, int& origin, int cells, qint32 count)
{
    if (!view.MapOpen || (Index != 0 && Index != 1))
        return {};
    // A window moved below the surface (a parallel world) may scroll back up.
    const int moved = std::clamp(origin + (Index == 1 ? 1 : -1), 0, std::max({0, count - cells, origin}));
    if (moved == origin)
        return {};
    origin = moved;
    placeFrame(view);
    return {true, true, view.SelectedCoord.Y > 0};
}
} // namespace

void mapOpened(MapView& view, const MapModel& model)
{
    view.MapOpen = true;
    view.ColumnCount = model.grid.ColumnCount;
    view.RowCount = model.grid.SurfaceRowCount;
    view.GridRowCount = model.YCoordsByNum.Count();
    view.UndergroundRow = model.UndergroundRow;
    view.OverviewCellWidth = view.ColumnCount > 0 ? view.OverviewWidth / view.ColumnCount : 0;
    view.OverviewCellHeight = view.RowCount > 0 ? view.OverviewHeight / view.RowCount : 0;
    view.SelectedCoord = MapCoord{0, 1};
    view.LastMarks = {};
    view.X0 = 0;
    view.Y0 = 0;
    SetZoom(view, kOpeningZoom);
    placeFrame(view);
}

void mapClosed(MapView& view)
{
    view.MapOpen = false;
    view.CheckedMode = 0;
    view.CurrentModeKeyword = QStringLiteral("TERRAIN");
    view.LastMarks = {};
    view.route = {};
}

void SetZoom(MapView& view, int Index)
{
    if (Index < 0 || Index >= int(kZoomCells.size()) || !view.MapOpen)
        return;
    view.CheckedZoom = Index;
    const int cells = kZoomCells[std::size_t(Index)];
    if (cells == view.XCells)
        return;
    view.XCells = view.YCells = cells;
    view.X0 = view.Y0 = 0;
    placeFrame(view);
}

ViewChange MapSizeClick(MapView& view, int Index)
{
    if (Index < 0 || Index >= int(kZoomCells.size()) || !view.MapOpen)
        return {};
    SetZoom(view, Index);
    view.X0 = frameCell(view.Shape1.left(), view.OverviewCellWidth);
    view.Y0 = frameCell(view.Shape1.top(), view.OverviewCellHeight);
    return {true, true, true};
}

ViewChange Command1Click(MapView& view, int Index)
{
    return scroll(view, Index, view.X0, view.XCells, view.ColumnCount);
}

ViewChange Command2Click(MapView& view, int Index)
{
    return scroll(view, Index, view.Y0, view.YCells, view.RowCount);
}

} // namespace arvenna

#include "ViewCommands.h"

#include "ProvinceLookup.h"
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

bool placeWindow(MapView& view, int column, int row)
{
    // Every row of the grid, the other worlds' too, can be shown; none beyond.
    const int lastColumn = std::max(0, view.ColumnCount - view.XCells);
    const int lastRow = std::max(0, view.GridRowCount - view.YCells);
    column = std::clamp(column, 0, lastColumn);
    row = std::clamp(row, 0, lastRow);
    const bool moved = column != view.X0 || row != view.Y0;
    view.X0 = column;
    view.Y0 = row;
    placeFrame(view);
    if (moved)
        view.route.hide();
    return moved;
}

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
    view.route = {};
    SetZoom(view, kOpeningZoom);
    placeWindow(view, 0, 0);
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

ViewChange selectProvince(MapView& view, const MapModel& model, const QString& code)
{
    const std::optional<MapCoord> place = gridPlaceOf(model, code);
    if (!view.MapOpen || !place)
        return {};
    view.SelectedCoord = *place;
    const int column = int(place->X);
    const int row = int(place->Y) - 1; // the window's rows count from 0
    const bool inView = column >= view.X0 && column < view.XEnd() && row >= view.Y0 && row < view.YEnd();
    const bool moved = !inView && placeWindow(view, column - view.XCells / 2, row - view.YCells / 2);
    return {moved, moved, true};
}

ViewChange MapSizeClick(MapView& view, int Index)
{
    if (Index < 0 || Index >= int(kZoomCells.size()) || !view.MapOpen)
        return {};
    SetZoom(view, Index);
    view.route.hide();
    placeWindow(view, frameCell(view.Shape1.left(), view.OverviewCellWidth),
                frameCell(view.Shape1.top(), view.OverviewCellHeight));
    return {true, true, true};
}

ViewChange stepZoom(MapView& view, int step)
{
    const int index = view.CheckedZoom + step;
    if (index < 0 || index >= int(kZoomCells.size()))
        return {};
    return MapSizeClick(view, index);
}

ViewChange scrollBy(MapView& view, int columns, int rows)
{
    if (!view.MapOpen || !placeWindow(view, view.X0 + columns, view.Y0 + rows))
        return {};
    return {true, true, view.SelectedCoord.Y > 0};
}

ViewChange Command1Click(MapView& view, int Index)
{
    return Index == 0 || Index == 1 ? scrollBy(view, Index == 1 ? 1 : -1, 0) : ViewChange{};
}

ViewChange Command2Click(MapView& view, int Index)
{
    return Index == 0 || Index == 1 ? scrollBy(view, 0, Index == 1 ? 1 : -1) : ViewChange{};
}

} // namespace arvenna

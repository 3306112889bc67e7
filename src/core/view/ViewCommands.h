#pragma once

#include "MapView.h"

namespace arvenna {

struct MapModel;

// What the window must do after a view command.
struct ViewChange {
    bool redrawMap = false;     // DrawMapWindow at the view's origin and zoom
    bool rebuildRulers = false; // ... with the two ruler strips
    bool refreshPanel = false;  // ShowProvinceInfo(SelectedCoord, true)

    bool operator==(const ViewChange&) const = default;
};

// A map has just been loaded: the grid's size, the overview's cells, the
// first province selected and the zoom "[30x30] Small Map" at the origin.
// The window then draws the overview and the map window.
void mapOpened(MapView& view, const MapModel& model);
// The map was closed: no map, info mode checked, marks forgotten.
void mapClosed(MapView& view);

// Puts the overview frame around the part of the grid shown.
void placeFrame(MapView& view);
// Moves the window's first column and row to the place given, kept inside
// the grid (every row, the other worlds' too), with the frame around it.
// A window that moved drops the route's marks. True when it moved.
bool placeWindow(MapView& view, int column, int row);
// The cell an edge of the frame lies in, from its place on the overview.
int frameCell(double twips, double cellSize);

// Sets the cell count of zoom entry Index and puts the window and the
// overview frame at the origin. A count equal to the current one only checks
// the entry. Nothing happens for an unknown index or with no map open.
void SetZoom(MapView& view, int Index);
// Selects the province of a code and, unless it is in view already, moves
// the window so that the province lies in its middle (as near as the grid's
// edges let it), on the surface or below. Nothing happens for a code the
// grid lacks or with no map open.
ViewChange selectProvince(MapView& view, const MapModel& model, const QString& code);
// The zoom menu: SetZoom, then the origin from the overview frame. The
// route's marks are dropped.
ViewChange MapSizeClick(MapView& view, int Index);
// The zoom entry step places after the checked one, as the zoom menu
// chooses it (1: the next, closer zoom); nothing past either end.
ViewChange stepZoom(MapView& view, int step);
// Moves the window by columns and rows, kept inside the grid.
ViewChange scrollBy(MapView& view, int columns, int rows);
// The scroll buttons: index 0 one column (row) back, 1 one forward.
ViewChange Command1Click(MapView& view, int Index);
ViewChange Command2Click(MapView& view, int Index);

} // namespace arvenna

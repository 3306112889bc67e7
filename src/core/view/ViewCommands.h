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
// The cell an edge of the frame lies in, from its place on the overview.
int frameCell(double twips, double cellSize);

// Sets the cell count of zoom entry Index and puts the window and the
// overview frame at the origin. A count equal to the current one only checks
// the entry. Nothing happens for an unknown index or with no map open.
void SetZoom(MapView& view, int Index);
// The zoom menu: SetZoom, then the origin from the overview frame.
ViewChange MapSizeClick(MapView& view, int Index);
// The scroll buttons: index 0 one column (row) back, 1 one forward; the
// window stays inside the grid.
ViewChange Command1Click(MapView& view, int Index);
ViewChange Command2Click(MapView& view, int Index);

} // namespace arvenna

#pragma once

#include "MapCoord.h"

#include <QImage>
#include <QPoint>

namespace arvenna {

class ClassProvincia;
struct MapModel;
struct MapView;

// The retained pictures of the map window, each painted by MapRenderer and
// kept until the next change, so a widget only copies them to the screen:
// the map (Picture1a(0)), the column ruler (Picture1a(1)) above it, the row
// ruler (Picture1a(2)) left of it and the overview (Picture1). One pixel is
// 15 twips; each image has one pixel more than its picture so the closing
// outline of the last column and row shows.
struct MapPictures {
    QImage map;
    QImage columnRuler;
    QImage rowRuler;
    QImage overview;

    // Where the pictures lie in the map window (pixels from its top-left
    // corner) and its size: the rulers 230 twips thick, the column ruler
    // ending 20 twips above the map, the row ruler 10 twips left of it.
    static QPoint mapOrigin() { return {17, 17}; }
    static QPoint columnRulerOrigin() { return {17, 0}; }
    static QPoint rowRulerOrigin() { return {1, 17}; }

    // Sizes (and clears) the four images for the view's picture sizes.
    void layOut(const MapView& view);

    // DrawMapWindow: the map, and the rulers when DrawRulers.
    void DrawMapWindow(const MapModel& model, const MapView& view, bool DrawRulers);
    // One province after an edit; Overview also repaints its overview rectangle.
    void DrawProvinceCell(const MapModel& model, const MapView& view, MapCoord Coord,
                          const ClassProvincia& Province, bool Overview);
    // The overview of the whole world (the frame is not part of the image).
    void drawOverview(const MapModel& model, const MapView& view);
    // Erases the previous selection marks, draws the new ones when Mark, and
    // remembers where they are (view.LastMarks).
    void markSelection(const MapModel& model, MapView& view, MapCoord Coord, bool Mark);

    // The map window as one picture: rulers and map on the window's grey.
    QImage mapWindow() const;
    // The overview with the frame Shape1 on it.
    QImage overviewWithFrame(const MapModel& model, const MapView& view) const;
};

} // namespace arvenna

#pragma once

#include "MapCoord.h"
#include "travel/RouteMarks.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace arvenna {

// The cells a side of each entry of the zoom menu ("MapSize"), in menu order.
inline constexpr std::array<int, 5> kZoomCells{100, 75, 50, 30, 15};
// The zoom entry a newly opened map shows: "[30x30] Small Map".
inline constexpr int kOpeningZoom = 3;
const QStringList& zoomCaptions();

// The place and zoom the selection marks were last drawn at, so they can be erased.
struct SelectionMarkRecord {
    bool saved = false;
    int column = 0;
    int row = 0;      // 1-based row position
    QString zoomText; // Text3 at the time
};

// Everything the map window shows besides the map itself: which part of the
// grid, at which zoom, in which display mode, and the selection. Lengths are
// twips. The application owns one and hands it to the renderer, the view
// commands and the information panel.
struct MapView {
    // Picture sizes: the map (Picture1a(0)) and the overview (Picture1).
    double MapWidth = 9000;
    double MapHeight = 9000;
    double OverviewWidth = 3000;
    double OverviewHeight = 3000;

    bool MapOpen = false;
    int XCells = 0; // columns shown; always equal to YCells
    int YCells = 0;
    int X0 = 0;     // first visible column (Text1(0))
    int Y0 = 0;     // first visible row, 0-based (Text1(1))
    qint32 ColumnCount = 0; // columns of the world grid
    qint32 RowCount = 0;    // surface rows of the world grid
    qint32 GridRowCount = 0; // every row of the grid, the other worlds' too
    qint16 UndergroundRow = 0;
    double OverviewCellWidth = 0;
    double OverviewCellHeight = 0;
    QRectF Shape1;  // the frame on the overview around the part shown
    int CheckedZoom = -1; // the checked "MapSize" entry, -1 for none

    MapCoord SelectedCoord{0, 1};
    SelectionMarkRecord LastMarks;
    RouteMarks route;

    int CheckedMode = 0; // the checked "mnOptions" entry
    QString CurrentModeKeyword = QStringLiteral("TERRAIN");

    int XEnd() const { return X0 + XCells; }
    int YEnd() const { return Y0 + YCells; }
    double CellWidth() const { return XCells > 0 ? MapWidth / XCells : 0; }
    double CellHeight() const { return YCells > 0 ? MapHeight / YCells : 0; }
    // Text1(0), Text1(1) and Text3/Text2 as the window shows them.
    QString originText(int axis) const { return QString::number(axis == 0 ? X0 : Y0); }
    QString zoomText() const { return QString::number(XCells); }

    // The cell of a province on the map; Y is the 1-based row position.
    QRectF cellRect(MapCoord coord) const;
    // Point (u, v) of a cell on its grid of twelfths across and elevenths down.
    QPointF cellPoint(MapCoord coord, double u, double v) const;
    // The province under a point of the map picture (twips), or nothing when
    // no map is open or the point lies outside the grid shown.
    std::optional<MapCoord> coordAt(QPointF twips) const;
};

} // namespace arvenna

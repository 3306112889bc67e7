#pragma once

#include "CellColouring.h"
#include "MapCoord.h"

#include <QString>

class QPainter;

namespace arvenna {

class ClassProvincia;
class TwipCanvas;
struct MapModel;
struct MapView;
struct SelectionMarkRecord;

// Height of the column ruler strip and width of the row ruler strip.
inline constexpr double kRulerThickness = 230;

// Paints the map window of a model as a view shows it onto painters the
// caller gives: the map picture, the two ruler strips and the overview,
// each with its top-left corner at the painter's origin, in pixels of 15
// twips. The widget, the overview and PNG export share it.
class MapRenderer {
public:
    MapRenderer(const MapModel& model, const MapView& view) : model_(model), view_(view), terrainColours_(model) {}

    // The whole window: every cell coloured by the checked display mode and
    // the underground bar; the ruler strips too when painters are given.
    void DrawMapWindow(QPainter& map, QPainter* columnRuler = nullptr, QPainter* rowRuler = nullptr) const;
    void drawColumnRuler(QPainter& columnRuler) const;
    void drawRowRuler(QPainter& rowRuler) const;

    // One province in its terrain colour with its marks; also its small
    // rectangle on the overview when an overview painter is given.
    void DrawProvinceCell(QPainter& map, MapCoord Coord, const ClassProvincia& Province,
                          QPainter* overview = nullptr) const;

    // The whole world, one small rectangle per province in its terrain colour.
    void drawOverview(QPainter& overview) const;
    // The frame Shape1 around the part of the world the map shows.
    void drawOverviewFrame(QPainter& overview) const;

    // Erases the marks of the record when they were drawn at the present zoom.
    void eraseSelectionMarks(QPainter& map, QPainter& columnRuler, QPainter& rowRuler,
                             const SelectionMarkRecord& record) const;
    // Highlights the selected column and row in the rulers and frames the cell.
    void drawSelectionMarks(QPainter& map, QPainter& columnRuler, QPainter& rowRuler, MapCoord Coord) const;

private:
    void paintCell(TwipCanvas& canvas, MapCoord Coord, const ClassProvincia& Province) const;
    void drawUndergroundBar(TwipCanvas& canvas) const;
    bool everyLabel() const;
    void columnBand(TwipCanvas& canvas, int column, int fillIndex, int labelIndex, bool forceLabel) const;
    void rowBand(TwipCanvas& canvas, int row, int fillIndex, int labelIndex, bool forceLabel) const;
    void columnLabel(TwipCanvas& canvas, int column, int colourIndex) const;
    void rowLabel(TwipCanvas& canvas, int row, int colourIndex) const;

    const MapModel& model_;
    const MapView& view_;
    TerrainColours terrainColours_;
};

} // namespace arvenna

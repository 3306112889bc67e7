#pragma once

#include "model/MapModel.h"
#include "view/MapView.h"

#include <QColor>
#include <QImage>
#include <QString>

namespace arvenna {

// A map built in memory: 100 columns, 100 surface rows ("aa" to "dv"), the
// eleven terrains of the game databases, no provinces yet; and a view on it
// as a newly opened map shows it.
struct MemoryMap {
    MemoryMap();

    // A province at column x of 1-based row y; the returned record can be given
    // a city, inner locations or markets.
    ClassProvincia& addProvince(int x, int y, const QString& name, qint16 terrain, qint16 continent = 0,
                                qint16 ruler = 0);

    MapModel model;
    MapView view;
};

QString rowCodeOf(int row);
QColor paletteColour16(int index);
// The pixel at point (u, v) of a cell's twelfths/elevenths grid.
QColor pixelAt(const QImage& image, const MapView& view, MapCoord cell, double u, double v);
QList<QColor> pixelsAt(const QImage& image, const MapView& view, MapCoord cell, const QList<QPointF>& points);
// True when some pixel of the rectangle (pixels) has the colour.
bool hasColour(const QImage& image, const QRect& pixels, const QColor& colour);

} // namespace arvenna

#include "MemoryMap.h"

#include "model/ClassicPalette.h"
#include "view/Twips.h"
#include "view/ViewCommands.h"

namespace arvenna {

QString rowCodeOf(int row)
{
    return QString(QChar(u'a' + (row - 1) / 26)) + QChar(u'a' + (row - 1) % 26);
}

QColor paletteColour16(int index)
{
    return toQColor(paletteColour(index));
}

MemoryMap::MemoryMap()
{
    for (int x = 0; x < 100; ++x) {
        const QString code = QString::number(x).rightJustified(2, QLatin1Char('0'));
        model.XCoords.Add(qint16(x), code, code);
    }
    for (int y = 1; y <= 100; ++y) {
        model.YCoordsByNum.Add(qint16(y), rowCodeOf(y), QString::number(y));
        model.YCoordsByCode.Add(qint16(y), rowCodeOf(y), rowCodeOf(y));
    }
    model.TerrainsByID.Add(0, QString(), 0, 0, CollectTerrain::kFallbackKey);
    const QStringList names{"Forest", "Sea Lane", "Great Sea", "Plain",  "Desert", "Mountain",
                            "Swamp",  "Cloudland", "Hades",    "Faery", "Tunnel"};
    const int colours[] = {2, 9, 1, 10, 14, 6, 3, 11, 12, 13, 8};
    for (int id = 1; id <= 11; ++id)
        model.TerrainsByID.Add(qint16(id), names[id - 1], 7, paletteColour(colours[id - 1]), QString::number(id));
    model.Provinces.Add(QString(), 0, 0, 0, QString(), 0, QString(), QString(), QString(), QString(), QString(),
                        QString(), QString(), QString(), 0, CollectProvincia::kFallbackKey);
    model.UndergroundRow = 100;
    model.grid.ColumnCount = 100;
    model.grid.SurfaceRowCount = 100;
    mapOpened(view, model);
}

ClassProvincia& MemoryMap::addProvince(int x, int y, const QString& name, qint16 terrain, qint16 continent,
                                       qint16 ruler)
{
    const QString column = QString::number(x);
    return model.Provinces.Add(name, terrain, 0, ruler, QString(), continent, QString(), QString(), QString(),
                               QString(), QString(), QString(), column, rowCodeOf(y), qint16(y * 100 + x),
                               rowCodeOf(y) + column.rightJustified(2, QLatin1Char('0')));
}

QColor pixelAt(const QImage& image, const MapView& view, MapCoord cell, double u, double v)
{
    const QPointF point = view.cellPoint(cell, u, v);
    return image.pixelColor(toPixel(point.x()), toPixel(point.y()));
}

QList<QColor> pixelsAt(const QImage& image, const MapView& view, MapCoord cell, const QList<QPointF>& points)
{
    QList<QColor> colours;
    for (const QPointF& point : points)
        colours << pixelAt(image, view, cell, point.x(), point.y());
    return colours;
}

bool hasColour(const QImage& image, const QRect& pixels, const QColor& colour)
{
    const QRect inside = pixels.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

} // namespace arvenna

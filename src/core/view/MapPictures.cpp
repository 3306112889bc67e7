#include "MapPictures.h"

#include "MapRenderer.h"
#include "MapView.h"
#include "Twips.h"
#include "model/ClassicPalette.h"

#include <QPainter>

namespace arvenna {

namespace {
QImage blankImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(toQColor(paletteColour(7)));
    return image;
}
} // namespace

void MapPictures::layOut(const MapView& view)
{
    map = blankImage(pixelSizeFor(view.MapWidth, view.MapHeight));
    columnRuler = blankImage(pixelSizeFor(view.MapWidth, kRulerThickness));
    rowRuler = blankImage(pixelSizeFor(kRulerThickness, view.MapHeight));
    overview = blankImage(pixelSizeFor(view.OverviewWidth, view.OverviewHeight));
}

void MapPictures::DrawMapWindow(const MapModel& model, const MapView& view, bool DrawRulers)
{
    if (map.isNull())
        layOut(view);
    QPainter mapPainter(&map);
    const MapRenderer renderer(model, view);
    if (!DrawRulers) {
        renderer.DrawMapWindow(mapPainter);
        return;
    }
    QPainter columns(&columnRuler);
    QPainter rows(&rowRuler);
    renderer.DrawMapWindow(mapPainter, &columns, &rows);
}

void MapPictures::DrawProvinceCell(const MapModel& model, const MapView& view, MapCoord Coord,
                                   const ClassProvincia& Province, bool Overview)
{
    if (map.isNull())
        layOut(view);
    QPainter mapPainter(&map);
    const MapRenderer renderer(model, view);
    if (!Overview) {
        renderer.DrawProvinceCell(mapPainter, Coord, Province);
        return;
    }
    QPainter small(&overview);
    renderer.DrawProvinceCell(mapPainter, Coord, Province, &small);
}

void MapPictures::drawOverview(const MapModel& model, const MapView& view)
{
    if (overview.isNull())
        layOut(view);
    QPainter painter(&overview);
    MapRenderer(model, view).drawOverview(painter);
}

void MapPictures::markSelection(const MapModel& model, MapView& view, MapCoord Coord, bool Mark)
{
    if (map.isNull())
        layOut(view);
    QPainter mapPainter(&map);
    QPainter columns(&columnRuler);
    QPainter rows(&rowRuler);
    const MapRenderer renderer(model, view);
    renderer.eraseSelectionMarks(mapPainter, columns, rows, view.LastMarks);
    if (Mark)
        renderer.drawSelectionMarks(mapPainter, columns, rows, Coord);
    view.LastMarks = SelectionMarkRecord{true, int(Coord.X), int(Coord.Y), view.zoomText()};
}

QImage MapPictures::mapWindow() const
{
    const QPoint corner = mapOrigin() + QPoint(map.width(), map.height());
    QImage window = blankImage(QSize(corner.x(), corner.y()));
    QPainter painter(&window);
    painter.drawImage(columnRulerOrigin(), columnRuler);
    painter.drawImage(rowRulerOrigin(), rowRuler);
    painter.drawImage(mapOrigin(), map);
    return window;
}

QImage MapPictures::overviewWithFrame(const MapModel& model, const MapView& view) const
{
    QImage framed = overview;
    QPainter painter(&framed);
    MapRenderer(model, view).drawOverviewFrame(painter);
    return framed;
}

} // namespace arvenna

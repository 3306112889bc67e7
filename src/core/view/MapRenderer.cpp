#include "MapRenderer.h"

#include "CellColouring.h"
#include "MapView.h"
#include "ProvinceLookup.h"
#include "TwipCanvas.h"
#include "model/ClassicPalette.h"
#include "model/MapModel.h"

#include <QPainter>
#include <QVector>

namespace arvenna {

namespace {
QColor palette(int index)
{
    return toQColor(paletteColour(index));
}

const QColor kBlack = palette(0);
const QColor kWhite = palette(15);

// The first inner location of type 6 (an island) lying in the province itself.
bool hasIsland(const ClassProvincia& province)
{
    for (const ClassLocation& inner : province.CollecInnerLocation()) {
        if (inner.LocationType == 6)
            return true;
    }
    return false;
}
} // namespace

void MapRenderer::DrawMapWindow(QPainter& map, QPainter* columnRuler, QPainter* rowRuler) const
{
    if (columnRuler)
        drawColumnRuler(*columnRuler);
    if (rowRuler)
        drawRowRuler(*rowRuler);

    TwipCanvas canvas(map);
    canvas.filledBox(0, 0, view_.MapWidth, view_.MapHeight, kWhite);
    const double width = view_.CellWidth();
    const double height = view_.CellHeight();
    // Row codes once per redraw rather than once per cell.
    QVector<QString> codes;
    for (int row = view_.Y0 + 1; row <= view_.YEnd(); ++row)
        codes << rowCode(model_, row);
    for (int x = view_.X0; x < view_.XEnd(); ++x) {
        const QString column = twoDigitColumn(x);
        for (int y = view_.Y0; y < view_.YEnd(); ++y) {
            const ClassProvincia& province = provinceAt(model_, codes[y - view_.Y0], column);
            const MapCoord coord{double(x), double(y + 1)};
            const std::optional<QColor> group =
                province.ProvinceName.isEmpty() || province.ProvinceTerrainID == 0
                    ? std::nullopt
                    : groupColour(model_, view_.CheckedMode, province);
            if (!group) {
                paintCell(canvas, coord, province);
                continue;
            }
            const double left = (x - view_.X0) * width;
            const double top = (y - view_.Y0) * height;
            canvas.filledBox(left, top, left + width, top + height, *group);
            canvas.box(left, top, left + width, top + height, kBlack);
        }
    }
    drawUndergroundBar(canvas);
}

void MapRenderer::drawUndergroundBar(TwipCanvas& canvas) const
{
    const int boundary = view_.UndergroundRow;
    if (boundary < view_.Y0 || boundary > view_.YEnd())
        return;
    const double y = (boundary - view_.Y0) * view_.CellHeight();
    canvas.filledBox(0, y - 10, boundary * view_.CellWidth(), y + 10, palette(4));
}

bool MapRenderer::everyLabel() const
{
    return view_.XCells < 30;
}

void MapRenderer::drawColumnRuler(QPainter& columnRuler) const
{
    TwipCanvas canvas(columnRuler);
    canvas.filledBox(0, 0, view_.MapWidth, kRulerThickness, palette(7));
    for (int x = view_.X0; x < view_.XEnd(); ++x) {
        if (everyLabel() || x % 5 == 0)
            columnLabel(canvas, x, 8);
    }
}

void MapRenderer::drawRowRuler(QPainter& rowRuler) const
{
    TwipCanvas canvas(rowRuler);
    canvas.filledBox(0, 0, kRulerThickness, view_.MapHeight, palette(7));
    for (int y = view_.Y0 + 1; y <= view_.YEnd(); ++y) {
        if (everyLabel() || y % 5 == 0)
            rowLabel(canvas, y, 8);
    }
}

void MapRenderer::columnLabel(TwipCanvas& canvas, int column, int colourIndex) const
{
    const QString label = twoDigitColumn(column);
    const double width = view_.CellWidth();
    const double left = ((column - view_.X0) * width + (column - view_.X0 + 1) * width) / 2
                        - TwipCanvas::textWidth(label) / 2;
    canvas.text(left, kRulerThickness / 2 - TwipCanvas::textHeight() / 2, label, palette(colourIndex));
}

void MapRenderer::rowLabel(TwipCanvas& canvas, int row, int colourIndex) const
{
    const double height = view_.CellHeight();
    const double middle = (row - 1 - view_.Y0) * height + height / 2;
    canvas.text(0, middle - TwipCanvas::textHeight() / 2, rowCode(model_, row), palette(colourIndex));
}

void MapRenderer::DrawProvinceCell(QPainter& map, MapCoord Coord, const ClassProvincia& Province,
                                   QPainter* overview) const
{
    if (overview) {
        TwipCanvas small(*overview);
        const double width = view_.OverviewCellWidth;
        const double height = view_.OverviewCellHeight;
        small.filledBox(width * Coord.X, height * (Coord.Y - 1), width * (Coord.X + 1), height * Coord.Y,
                        terrainColours_.of(Province));
    }
    TwipCanvas canvas(map);
    paintCell(canvas, Coord, Province);
}

void MapRenderer::paintCell(TwipCanvas& canvas, MapCoord Coord, const ClassProvincia& Province) const
{
    const QRectF cell = view_.cellRect(Coord);
    canvas.filledBox(cell.left(), cell.top(), cell.right(), cell.bottom(), terrainColours_.of(Province));
    canvas.box(cell.left(), cell.top(), cell.right(), cell.bottom(), kBlack);
    if (Province.ProvinceTerrainID == 0)
        return;

    const auto at = [&](double u, double v) { return view_.cellPoint(Coord, u, v); };
    const auto figure = [&](bool filled, QPointF from, QPointF to, const QColor& colour) {
        if (filled)
            canvas.filledBox(from.x(), from.y(), to.x(), to.y(), colour);
        else
            canvas.box(from.x(), from.y(), to.x(), to.y(), colour);
    };
    if (hasIsland(Province)) {
        figure(true, at(7, 2), at(10, 5), palette(10));
        figure(false, at(7, 2), at(10, 5), kBlack);
    }
    const ClassLocation& city = Province.ClassLocation();
    if (!isSeaTerrain(Province.ProvinceTerrainID)
        && (Province.CollecInnerLocation().Count() > 0 || city.CollecInnerLocation().Count() > 0))
        figure(false, at(2, 7), at(5, 9), kBlack);
    if (city.LocationName.isEmpty())
        return;
    // The city glyph: a little white tower.
    figure(false, at(2, 2), at(3, 2), kWhite);
    figure(false, at(1, 4), at(4, 4), kWhite);
    canvas.line(at(2, 2).x(), at(2, 2).y(), at(1, 4).x(), at(1, 4).y(), kWhite);
    canvas.line(at(3, 2).x(), at(3, 2).y(), at(4, 4).x(), at(4, 4).y(), kWhite);
    figure(false, at(2, 1), at(2.4, 2), kWhite);
    figure(false, at(2.6, 1), at(3, 2), kWhite);
    figure(false, at(2, 3), at(3, 4), kWhite);
    if (city.LocationSafe)
        figure(false, at(10, 9), at(11, 10), kWhite);
}

void MapRenderer::drawOverview(QPainter& overview) const
{
    TwipCanvas canvas(overview);
    canvas.filledBox(0, 0, view_.OverviewWidth, view_.OverviewHeight, palette(7));
    const double width = view_.OverviewCellWidth;
    const double height = view_.OverviewCellHeight;
    for (int y = 1; y <= view_.RowCount; ++y) {
        const QString code = rowCode(model_, y);
        for (int x = 0; x < view_.ColumnCount; ++x)
            canvas.filledBox(width * x, height * (y - 1), width * (x + 1), height * y,
                             terrainColours_.of(provinceAt(model_, x, code)));
    }
}

void MapRenderer::drawOverviewFrame(QPainter& overview) const
{
    TwipCanvas canvas(overview);
    const QRectF& frame = view_.Shape1;
    canvas.box(frame.left(), frame.top(), frame.right(), frame.bottom(), palette(12));
}

void MapRenderer::columnBand(TwipCanvas& canvas, int column, int fillIndex, int labelIndex, bool forceLabel) const
{
    const double width = view_.CellWidth();
    canvas.filledBox((column - view_.X0) * width, 0, (column - view_.X0 + 1) * width, kRulerThickness,
                     palette(fillIndex));
    if (forceLabel || everyLabel() || column % 5 == 0)
        columnLabel(canvas, column, labelIndex);
}

void MapRenderer::rowBand(TwipCanvas& canvas, int row, int fillIndex, int labelIndex, bool forceLabel) const
{
    const double height = view_.CellHeight();
    canvas.filledBox(0, (row - 1 - view_.Y0) * height, kRulerThickness, (row - view_.Y0) * height,
                     palette(fillIndex));
    if (forceLabel || everyLabel() || row % 5 == 0)
        rowLabel(canvas, row, labelIndex);
}

void MapRenderer::eraseSelectionMarks(QPainter& map, QPainter& columnRuler, QPainter& rowRuler,
                                      const SelectionMarkRecord& record) const
{
    if (!record.saved || record.zoomText != view_.zoomText())
        return;
    TwipCanvas columns(columnRuler);
    columnBand(columns, record.column, 7, 8, false);
    TwipCanvas rows(rowRuler);
    rowBand(rows, record.row, 7, 8, false);
    TwipCanvas canvas(map);
    const QRectF cell = view_.cellRect(MapCoord{double(record.column), double(record.row)});
    canvas.box(cell.left(), cell.top(), cell.right(), cell.bottom(), kBlack);
}

void MapRenderer::drawSelectionMarks(QPainter& map, QPainter& columnRuler, QPainter& rowRuler, MapCoord Coord) const
{
    TwipCanvas columns(columnRuler);
    columnBand(columns, int(Coord.X), 8, 7, true);
    TwipCanvas rows(rowRuler);
    rowBand(rows, int(Coord.Y), 8, 7, true);
    TwipCanvas canvas(map);
    const QRectF cell = view_.cellRect(Coord);
    const QColor grey = palette(8);
    canvas.box(cell.left(), cell.top(), cell.right(), cell.bottom(), grey);
    canvas.line(cell.left(), cell.top(), cell.right(), cell.top(), kWhite);
    canvas.line(cell.left(), cell.top(), cell.left(), cell.bottom(), kWhite);
    canvas.line(cell.right(), cell.top(), cell.right(), cell.bottom(), grey);
}

} // namespace arvenna

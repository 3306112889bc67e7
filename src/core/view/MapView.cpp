#include "MapView.h"

#include <QtMath>

namespace arvenna {

const QStringList& zoomCaptions()
{
    static const QStringList captions{
        QStringLiteral("Entire Map"),         QStringLiteral("[75x75] Big Map"),
        QStringLiteral("[50x50] Normal Map"), QStringLiteral("[30x30] Small Map"),
        QStringLiteral("[15x15] Detail Map"),
    };
    return captions;
}

QRectF MapView::cellRect(MapCoord coord) const
{
    return QRectF((coord.X - X0) * CellWidth(), (coord.Y - 1 - Y0) * CellHeight(), CellWidth(), CellHeight());
}

QPointF MapView::cellPoint(MapCoord coord, double u, double v) const
{
    const QRectF cell = cellRect(coord);
    return QPointF(cell.left() + CellWidth() * u / 12, cell.top() + CellHeight() * v / 11);
}

std::optional<MapCoord> MapView::coordAt(QPointF twips) const
{
    if (!MapOpen || XCells <= 0 || twips.x() < 0 || twips.y() < 0 || twips.x() >= MapWidth
        || twips.y() >= MapHeight)
        return std::nullopt;
    const int column = X0 + qFloor(twips.x() / CellWidth());
    const int row = Y0 + qFloor(twips.y() / CellHeight()) + 1;
    if (column >= ColumnCount || row > GridRowCount)
        return std::nullopt;
    return MapCoord{double(column), double(row)};
}

} // namespace arvenna

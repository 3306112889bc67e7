#include "RouteStart.h"

#include "model/MapModel.h"

namespace arvenna {

std::optional<MapCoord> routeStart(const MapModel& model, const QString& startLine)
{
    const qsizetype open = startLine.indexOf(QLatin1Char('['));
    if (open < 0)
        return std::nullopt;
    QString text = startLine.mid(open + 1);
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    const qsizetype close = text.indexOf(QLatin1Char(']'));
    if (blank < 0 || close < 0)
        return std::nullopt;
    const QString code = text.left(blank);
    text.truncate(close);
    const QString columnText = text.mid(text.indexOf(QLatin1Char(' ')) + 1);
    const ClassCoordinates* column = model.XCoords.find(columnText);
    const ClassCoordinates* row = model.YCoordsByCode.find(code);
    if (!column || !row)
        return std::nullopt;
    return MapCoord{double(column->CoordId), double(row->CoordId)};
}

} // namespace arvenna

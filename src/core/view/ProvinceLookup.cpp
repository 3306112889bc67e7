#include "ProvinceLookup.h"

#include "model/MapModel.h"
#include "model/ModelValues.h"

#include <QtMath>

namespace arvenna {

QString rowCode(const MapModel& model, int row)
{
    const ClassCoordinates* entry = model.YCoordsByNum.find(QString::number(row));
    return entry ? entry->CoordCode() : QString();
}

QString twoDigitColumn(int column)
{
    return QString::number(column).rightJustified(2, QLatin1Char('0'));
}

const ClassProvincia& provinceAt(const MapModel& model, const QString& rowCode, const QString& twoDigitColumn)
{
    // The key is built in its normal form, so the collection need not normalise it.
    const ClassProvincia* province = rowCode.isEmpty() ? nullptr : model.Provinces.find(rowCode + twoDigitColumn);
    return province ? *province : model.Provinces.Item(CollectProvincia::kFallbackKey);
}

const ClassProvincia& provinceAt(const MapModel& model, int column, const QString& rowCode)
{
    return provinceAt(model, rowCode, twoDigitColumn(column));
}

const ClassProvincia& provinceAt(const MapModel& model, MapCoord coord)
{
    return provinceAt(model, qFloor(coord.X), rowCode(model, qFloor(coord.Y)));
}

QString provinceCodeAt(const MapModel& model, MapCoord place)
{
    return rowCode(model, int(place.Y)) + twoDigitColumn(int(place.X));
}

QString provinceCodeOf(const ClassProvincia& province)
{
    if (province.ProvinceCoordY.isEmpty())
        return CollectProvincia::kFallbackKey;
    return province.ProvinceCoordY + formatTwoDigits(province.ProvinceCoordX);
}

std::optional<MapCoord> gridPlaceOf(const MapModel& model, const QString& code)
{
    if (code.size() < 3)
        return std::nullopt;
    const ClassCoordinates* row = model.YCoordsByCode.find(code.left(2));
    bool numeric = false;
    const int column = code.mid(2).toInt(&numeric);
    if (!row || !numeric || column < 0 || !model.XCoords.find(formatTwoDigits(QString::number(column))))
        return std::nullopt;
    return MapCoord{double(column), double(row->CoordId)};
}

QString coordinateText(const MapModel& model, MapCoord coord)
{
    const ClassCoordinates* column =
        model.XCoords.find(twoDigitColumn(qFloor(coord.X)));
    return rowCode(model, qFloor(coord.Y)) + QLatin1Char(' ') + (column ? column->CoordCode() : QString());
}

} // namespace arvenna

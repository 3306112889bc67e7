#include "ProvinceLookup.h"

#include "model/MapModel.h"

#include <QtMath>

QString rowCode(const MapModel& model, int row)
{
    const ClassCoordinates* entry = model.YCoordsByNum.find(QString::number(row));
    return entry ? entry->CoordCode() : QString();
}

const ClassProvincia& provinceAt(const MapModel& model, int column, const QString& rowCode)
{
    // The key is built in its normal form, so the collection need not normalise it.
    const ClassProvincia* province =
        rowCode.isEmpty() ? nullptr
                          : model.Provinces.find(rowCode + QString::number(column).rightJustified(2, QLatin1Char('0')));
    return province ? *province : model.Provinces.Item(CollectProvincia::kFallbackKey);
}

const ClassProvincia& provinceAt(const MapModel& model, MapCoord coord)
{
    return provinceAt(model, qFloor(coord.X), rowCode(model, qFloor(coord.Y)));
}

QString coordinateText(const MapModel& model, MapCoord coord)
{
    const ClassCoordinates* column =
        model.XCoords.find(QString::number(qFloor(coord.X)).rightJustified(2, QLatin1Char('0')));
    return rowCode(model, qFloor(coord.Y)) + QLatin1Char(' ') + (column ? column->CoordCode() : QString());
}

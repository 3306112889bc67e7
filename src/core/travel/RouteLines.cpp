#include "RouteLines.h"

#include "model/MapModel.h"
#include "view/ProvinceLookup.h"

#include <cmath>

namespace arvenna {

namespace {
QString wholeNumber(double value)
{
    return QString::number(value, 'f', 0);
}
} // namespace

RouteLines refusedRoute(const QString& why)
{
    return {{why}, false, {}};
}

QString travelStartLine(const MapModel& model, MapCoord start)
{
    return QStringLiteral("Travel From [") + rowCode(model, int(start.Y)) + QLatin1Char(' ')
           + twoDigitColumn(int(start.X)) + QLatin1Char(']');
}

double ridingDays(double movement)
{
    return std::floor(movement / 2 + 0.5);
}

void RouteTally::enter(int column, int row)
{
    const ClassProvincia& province = provinceAt(model_, column, rowCode(model_, row));
    enter(column, row, model_.TerrainsByID.Item(QString::number(province.ProvinceTerrainID)).TerrainMovement);
}

void RouteTally::enter(int column, int row, double days)
{
    const double riding = ridingDays(days);
    lines_ << QStringLiteral("      to [") + rowCode(model_, row) + QLatin1Char(' ') + QString::number(column)
                  + QStringLiteral("] ") + QString::number(days) + QStringLiteral(" Days (") + wholeNumber(riding)
                  + QLatin1Char(')');
    // The foot total is a whole number after every step; halves go to the even neighbour.
    onFoot_ = std::nearbyint(onFoot_ + days);
    riding_ += riding;
    path_ << MapCoord{double(column), double(row)};
}

RouteLines RouteTally::finish()
{
    lines_ << QStringLiteral(" Total travel days ") + wholeNumber(onFoot_)
           << QStringLiteral(" Total travel days ") + wholeNumber(riding_) + QStringLiteral(" (riding)");
    return {lines_, true, path_};
}

} // namespace arvenna

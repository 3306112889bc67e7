#include "ProvinceRoutes.h"

#include "model/KnownRoutes.h"

namespace arvenna {

namespace {
QString daysText(const KnownRoute& route)
{
    if (route.impassable())
        return QStringLiteral("impassable");
    return *route.days == 1 ? QStringLiteral("1 day") : QStringLiteral("%1 days").arg(*route.days);
}

// A report may leave the name out; the code alone still says where.
QString destinationText(const KnownRoute& route)
{
    const QString code = QLatin1Char('[') + route.destination + QLatin1Char(']');
    return route.destinationName.isEmpty() ? code : route.destinationName + QLatin1Char(' ') + code;
}
} // namespace

const QStringList& routeColumnTitles()
{
    static const QStringList titles{QStringLiteral("Direction"), QStringLiteral("To"), QStringLiteral("Days"),
                                    QStringLiteral("Turn")};
    return titles;
}

QString noRoutesText()
{
    return QStringLiteral("No routes known.");
}

QList<RouteRow> provinceRoutes(const KnownRoutes& routes, const QString& provinceKey)
{
    QList<RouteRow> rows;
    const QList<KnownRoute>* known = routes.find(provinceKey);
    if (!known)
        return rows;
    for (const KnownRoute& route : *known)
        rows << RouteRow{directionName(route.direction), destinationText(route), daysText(route),
                         QString::number(route.turn), route.destination};
    return rows;
}

QString routeLine(const RouteRow& row)
{
    return row.direction + QStringLiteral(", to ") + row.destination + QStringLiteral(", ") + row.days
           + QStringLiteral(", turn ") + row.turn;
}

} // namespace arvenna

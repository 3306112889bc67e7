#include "KnownRoutesLoader.h"

#include "ModelValues.h"
#include "database/RoutesTable.h"
#include "database/RowReader.h"

#include <utility>

namespace arvenna {

KnownRoutes readKnownRoutes(Database& database)
{
    KnownRoutes known;
    if (!hasRoutesTable(database))
        return known;
    RowReader rows(database, QStringLiteral("SELECT PROVINCECODE, DIRECTION, DESTCODE, DESTNAME, DAYS, TURN "
                                            "FROM ROUTES ORDER BY PROVINCECODE"));
    QString province;
    QList<KnownRoute> routes;
    const auto flush = [&] {
        if (!routes.isEmpty())
            known.replace(province, std::exchange(routes, {}));
    };
    while (rows.next()) {
        const std::optional<RouteDirection> direction = directionNamed(rows.text(1));
        if (!direction)
            continue;
        if (rows.text(0) != province) {
            flush();
            province = rows.text(0);
        }
        KnownRoute route{*direction, rows.text(2), rows.text(3), std::nullopt,
                         toInteger(rows.value(5), QStringLiteral("TURN"))};
        if (!rows.isNull(4))
            route.days = toInteger(rows.value(4), QStringLiteral("DAYS"));
        routes << route;
    }
    flush();
    return known;
}

} // namespace arvenna

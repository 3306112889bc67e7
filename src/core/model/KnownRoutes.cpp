#include "KnownRoutes.h"

#include <algorithm>

namespace arvenna {

QString directionName(RouteDirection direction)
{
    switch (direction) {
    case RouteDirection::North: return QStringLiteral("North");
    case RouteDirection::East: return QStringLiteral("East");
    case RouteDirection::South: return QStringLiteral("South");
    case RouteDirection::West: return QStringLiteral("West");
    case RouteDirection::Up: return QStringLiteral("Up");
    case RouteDirection::Down: return QStringLiteral("Down");
    }
    return {};
}

std::optional<RouteDirection> directionNamed(const QString& word)
{
    for (RouteDirection direction : kRouteDirections) {
        if (word.compare(directionName(direction), Qt::CaseInsensitive) == 0)
            return direction;
    }
    return std::nullopt;
}

const QList<KnownRoute>* KnownRoutes::find(const QString& provinceKey) const
{
    const auto found = routes_.constFind(provinceKey);
    return found == routes_.cend() ? nullptr : &*found;
}

void KnownRoutes::replace(const QString& provinceKey, QList<KnownRoute> routes)
{
    if (routes.isEmpty()) {
        routes_.remove(provinceKey);
        return;
    }
    std::stable_sort(routes.begin(), routes.end(),
                     [](const KnownRoute& a, const KnownRoute& b) { return a.direction < b.direction; });
    routes_.insert(provinceKey, std::move(routes));
}

} // namespace arvenna

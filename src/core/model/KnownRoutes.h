#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace arvenna {

// The six ways out of a province the reports name, in the order a route
// list is shown.
enum class RouteDirection { North, East, South, West, Up, Down };
inline constexpr std::array kRouteDirections{RouteDirection::North, RouteDirection::East, RouteDirection::South,
                                             RouteDirection::West,  RouteDirection::Up,   RouteDirection::Down};

// "North", "East", "South", "West", "Up", "Down".
QString directionName(RouteDirection direction);

// The direction a report's word names, in any letter case; nothing for
// "Out" and every other word.
std::optional<RouteDirection> directionNamed(const QString& word);

// One route a report listed as leaving a province.
struct KnownRoute {
    RouteDirection direction = RouteDirection::North;
    QString destination;     // the province key of the province reached
    QString destinationName; // as the report wrote it
    std::optional<qint16> days; // nothing when the game calls it impassable
    qint16 turn = 0;            // the report that listed it

    bool impassable() const { return !days.has_value(); }
    friend bool operator==(const KnownRoute&, const KnownRoute&) = default;
};

// The routes known to leave each province, by province key, each list in
// direction order.
class KnownRoutes {
public:
    // The routes leaving the province, or nothing when none are known.
    const QList<KnownRoute>* find(const QString& provinceKey) const;
    void replace(const QString& provinceKey, QList<KnownRoute> routes);
    qsizetype provinceCount() const { return routes_.size(); }
    void clear() { routes_.clear(); }

private:
    QHash<QString, QList<KnownRoute>> routes_;
};

} // namespace arvenna

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace arvenna {

class KnownRoutes;

// One line of the Routes tab: the texts of its columns and the province it
// leads to.
struct RouteRow {
    QString direction;      // "North"
    QString destination;    // "Forest [bd23]"
    QString days;           // "8 days", "1 day" or "impassable"
    QString turn;           // "24": the report that listed it
    QString destinationKey; // "bd23", the province a press on the line selects

    bool operator==(const RouteRow&) const = default;
};

// "Direction", "To", "Days", "Turn": the tab's column titles.
const QStringList& routeColumnTitles();
// What the tab and the show command say for a province without known routes.
QString noRoutesText();

// The routes known to leave a province, by its key, in direction order;
// none for an unknown key.
QList<RouteRow> provinceRoutes(const KnownRoutes& routes, const QString& provinceKey);

// A row as one line of text: "North, to Forest [bd23], 8 days, turn 24".
QString routeLine(const RouteRow& row);

} // namespace arvenna

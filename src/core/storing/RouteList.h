#pragma once

#include "model/KnownRoutes.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace arvenna {

struct MapModel;

// A line of a route list that names a province route but cannot be read.
struct UnreadRoute {
    qsizetype line = 0; // the index of its first line in the list
    QString reason;
};

// The province routes a "Routes leaving" list names, and the lines that
// name one unreadably. Entries of cities, buildings and "Out" are no
// province routes and are passed over without a word.
struct RouteList {
    QList<KnownRoute> routes; // in the order listed
    QList<UnreadRoute> unread;
    QList<qsizetype> readLines; // every line of the routes read
};

// Reads the lines of a route list (the heading excluded), each as the report
// wrote it after its label: "North, to Forest [bd23], Grinter, 8 days",
// "South, to Mountain [bg24], impassable". An entry the report wrapped onto
// further lines is read whole. The destination must be a province of the
// model's grid; a direction listed twice keeps its first route.
RouteList readRouteList(const MapModel& model, const QStringList& lines, qint16 turn);

} // namespace arvenna

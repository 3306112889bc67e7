#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace arvenna {

// A row of the game's route table.
struct StoredRoute {
    QString from;
    QString direction;
    QString to;
    QString name;
    QVariant days; // null: impassable
    int turn;
};

// Opens the game file for writing, as the program does (which gives an older
// game its route table), and stores the routes.
void storeRoutes(const QString& path, const QList<StoredRoute>& routes);

} // namespace arvenna

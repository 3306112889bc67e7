#include "StoredRoutes.h"

#include "database/Database.h"
#include "database/GameSession.h"

namespace arvenna {

void storeRoutes(const QString& path, const QList<StoredRoute>& routes)
{
    GameSession session;
    if (session.open(QStringLiteral("Routes [game]"), path, GameAccess::Writer) != GameSession::OpenResult::Opened)
        qFatal("cannot open %s to store routes", qPrintable(path));
    Database& database = session.CurrentConnection->DatabaseConnection();
    for (const StoredRoute& route : routes)
        database.execute(QStringLiteral("INSERT INTO ROUTES (PROVINCECODE, DIRECTION, DESTCODE, DESTNAME, DAYS, TURN) "
                                        "VALUES (?, ?, ?, ?, ?, ?)"),
                         {route.from, route.direction, route.to, route.name, route.days, route.turn});
    session.close();
}

} // namespace arvenna

#include "StoreRoutes.h"

#include "BufferWalk.h"
#include "PreparedStatements.h"
#include "RouteList.h"
#include "model/MapModel.h"
#include "parser/ReportState.h"

namespace arvenna {

namespace {
const QString kRouteLabel = QStringLiteral("(RTE)");

// The province's exit field of each direction.
QString* exitField(ClassProvincia& province, RouteDirection direction)
{
    switch (direction) {
    case RouteDirection::North: return &province.ProvinceNORTH;
    case RouteDirection::East: return &province.ProvinceEAST;
    case RouteDirection::South: return &province.ProvinceSOUTH;
    case RouteDirection::West: return &province.ProvinceWEST;
    case RouteDirection::Up: return &province.ProvinceUP;
    case RouteDirection::Down: return &province.ProvinceDOWN;
    }
    return nullptr;
}

void writeRoutes(StoringContext& context, const RouteOwner& owner, const QList<KnownRoute>& routes)
{
    PreparedStatements& statements = context.statements;
    statements.execute(QStringLiteral("DELETE FROM ROUTES WHERE PROVINCECODE = ?"), {owner.key});
    ClassProvincia& province = *owner.province;
    for (RouteDirection direction : kRouteDirections)
        exitField(province, direction)->clear();
    for (const KnownRoute& route : routes) {
        statements.execute(QStringLiteral("INSERT INTO ROUTES (PROVINCECODE, DIRECTION, DESTCODE, DESTNAME, DAYS, "
                                          "TURN) VALUES (?, ?, ?, ?, ?, ?)"),
                           {owner.key, directionName(route.direction), route.destination, route.destinationName,
                            route.days ? QVariant(*route.days) : QVariant(), route.turn});
        *exitField(province, route.direction) = route.destination;
    }
    const auto exitValue = [](const QString& code) { return code.isEmpty() ? QVariant() : QVariant(code); };
    statements.execute(QStringLiteral("UPDATE PROVINCIAS SET Up = ?, North = ?, East = ?, South = ?, West = ?, "
                                      "Down = ? WHERE PROVINCIAID = ?"),
                       {exitValue(province.ProvinceUP), exitValue(province.ProvinceNORTH),
                        exitValue(province.ProvinceEAST), exitValue(province.ProvinceSOUTH),
                        exitValue(province.ProvinceWEST), exitValue(province.ProvinceDOWN), province.ProvinceID});
    context.model.Routes.replace(owner.key, routes);
}

// What a newer report listed as leaving the province stands.
bool knownFromLaterTurn(StoringContext& context, const RouteOwner& owner, qint16 turn)
{
    const std::optional<QVariantList> stored = context.statements.firstRow(
        QStringLiteral("SELECT max(TURN) FROM ROUTES WHERE PROVINCECODE = ?"), {owner.key});
    return stored && stored->at(0).toLongLong() > turn;
}
} // namespace

void storeRouteList(StoringContext& context, BufferWalk& walk, const RouteOwner& owner)
{
    const qsizetype heading = walk.position;
    QStringList lines;
    while (walk.startsWith(walk.position + 1, kRouteLabel)) {
        ++walk.position;
        lines << walk.at(walk.position).mid(kRouteLabel.size() + 1);
    }
    if (!owner.province)
        return;
    const qint16 turn = context.report.header.turnNumber;
    const RouteList list = readRouteList(context.model, lines, turn);
    for (const UnreadRoute& unread : list.unread)
        walk.markUnread(heading + 1 + unread.line, unread.reason);
    if (list.routes.isEmpty() || knownFromLaterTurn(context, owner, turn))
        return;
    writeRoutes(context, owner, list.routes);
    walk.markSaved(heading);
    for (qsizetype line : list.readLines)
        walk.markSaved(heading + 1 + line);
}

} // namespace arvenna

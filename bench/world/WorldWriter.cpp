#include "WorldWriter.h"

#include "ReportWords.h"
#include "model/ClassicPalette.h"
#include "database/DatabaseError.h"

#include <QSqlError>
#include <QSqlQuery>

namespace arvenna {

namespace {
// The turn of the report that last listed the world's routes.
constexpr int kRoutesTurn = 40;

qint32 randomColour(WorldPlan& plan)
{
    return storedColour(plan.pick(0, 255), plan.pick(0, 255), plan.pick(0, 255));
}
} // namespace

WorldWriter::WorldWriter(QSqlDatabase database, WorldPlan& plan) : db_(std::move(database)), plan_(plan) {}

void WorldWriter::insertAll(const QString& sql, int count, const std::function<QVariantList(int)>& row)
{
    QSqlQuery query(db_);
    if (!query.prepare(sql))
        throw DatabaseError(query.lastError().text());
    for (int i = 0; i < count; ++i) {
        const QVariantList values = row(i);
        for (int v = 0; v < values.size(); ++v)
            query.bindValue(v, values[v]);
        if (!query.exec())
            throw DatabaseError(query.lastError().text());
    }
}

void WorldWriter::write()
{
    if (!db_.transaction())
        throw DatabaseError(db_.lastError().text());
    writeReferenceRows();
    writeProvinces();
    writeCities();
    writeInnerLocations();
    writeRoutes();
    if (!db_.commit())
        throw DatabaseError(db_.lastError().text());
}

void WorldWriter::writeReferenceRows()
{
    insertAll(QStringLiteral("INSERT INTO CONTINENTES (CONTID, CONTDESCRIPTION, CONTCOLOR) VALUES (?, ?, ?)"),
              WorldPlan::kRegions, [&](int i) {
                  return QVariantList{i + 1, QStringLiteral("Region %1").arg(i + 1), randomColour(plan_)};
              });
    insertAll(QStringLiteral("INSERT INTO ALLIANCES (ALLIANCEID, ALLIANCENAME, ALLIANCEDESC, ALLIANCECOLOUR) "
                             "VALUES (?, ?, ?, ?)"),
              WorldPlan::kAlliances, [&](int i) {
                  return QVariantList{i + 1, QStringLiteral("Alliance %1").arg(i + 1),
                                      QStringLiteral("Pact number %1").arg(i + 1), randomColour(plan_)};
              });
    insertAll(QStringLiteral("INSERT INTO CHARACTERS (CharacterID, CHARACTERNUMBER, CHARACTERNAME, CHARACTERFACTION, "
                             "CHARACTERLOYALTY, CHARACTERMAXIMUMAURA, CharacterTurnInfo, CharacterLastLocationKnown) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
              WorldPlan::kCharacters, [&](int i) {
                  const auto& cell = plan_.cells[std::size_t(plan_.pick(0, 9999))];
                  return QVariantList{i + 1,
                                      QString::number(1000 + i),
                                      QStringLiteral("Noble %1").arg(i + 1),
                                      i % 3 == 0 ? QVariant(QString::number(100 + i % 40)) : QVariant(),
                                      i % 2 ? QStringLiteral("Loyal") : QStringLiteral("Unknown"),
                                      plan_.pick(0, 200),
                                      plan_.pick(1, 40),
                                      provinceCode(cell.row, cell.column)};
              });
    insertAll(QStringLiteral("INSERT INTO FACTIONS (FACTIONNUMBER, FACTIONNAME, FACTIONCONTACT) VALUES (?, ?, ?)"), 40,
              [&](int i) {
                  return QVariantList{QString::number(100 + i), QStringLiteral("Faction %1").arg(100 + i),
                                      i % 4 ? QVariant(QStringLiteral("player%1@example.org").arg(i)) : QVariant()};
              });
    insertAll(QStringLiteral("INSERT INTO RULLERS (RULLERID, RULLERNO, RULLERNAME, RULLERNOBLEID, CASTLEPROVID, "
                             "RULLERCOLOUR, ALLIANCEID) VALUES (?, ?, ?, ?, ?, ?, ?)"),
              WorldPlan::kRulers, [&](int i) {
                  const auto& castle = plan_.cells[std::size_t(plan_.castleCell[std::size_t(i)])];
                  return QVariantList{i + 1,
                                      QString::number(5000 + i),
                                      QStringLiteral("Castle %1").arg(QChar(u'A' + i % 26)) + QString::number(i),
                                      QString::number(i + 1),
                                      provinceCode(castle.row, castle.column),
                                      randomColour(plan_),
                                      plan_.pick(0, 9) < 8 ? QVariant(plan_.pick(1, WorldPlan::kAlliances)) : QVariant()};
              });
}

void WorldWriter::writeProvinces()
{
    provinceIds_.resize(plan_.cells.size());
    insertAll(QStringLiteral("INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID, CONTINENTID, "
                             "RULLERID, PEASANTS, COMMENTS, Up, North, East, South, West, Down) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              int(plan_.cells.size()), [&](int i) {
                  const WorldPlan::Cell& cell = plan_.cells[std::size_t(i)];
                  provinceIds_[std::size_t(i)] = i + 1;
                  // The exits are the routes' destinations, impassable ones too.
                  QVariant exits[6];
                  for (const WorldPlan::Route& route : plan_.routes[std::size_t(i)]) {
                      const WorldPlan::Cell& to = plan_.cells[std::size_t(route.destination)];
                      exits[int(route.direction)] = provinceCode(to.row, to.column);
                  }
                  const auto exit = [&](RouteDirection direction) { return exits[int(direction)]; };
                  return QVariantList{i + 1,
                                      QStringLiteral("Province %1").arg(provinceCode(cell.row, cell.column)),
                                      cell.column,
                                      cell.row,
                                      cell.terrain,
                                      cell.region ? QVariant(cell.region) : QVariant(),
                                      cell.ruler ? QVariant(cell.ruler) : QVariant(),
                                      plan_.pick(0, 5000),
                                      QString::number(plan_.pick(1, 40)),
                                      exit(RouteDirection::Up),
                                      exit(RouteDirection::North),
                                      exit(RouteDirection::East),
                                      exit(RouteDirection::South),
                                      exit(RouteDirection::West),
                                      exit(RouteDirection::Down)};
              });
}

void WorldWriter::writeRoutes()
{
    struct Leaving {
        int cell;
        const WorldPlan::Route* route;
    };
    std::vector<Leaving> leaving;
    for (std::size_t cell = 0; cell < plan_.routes.size(); ++cell) {
        for (const WorldPlan::Route& route : plan_.routes[cell])
            leaving.push_back({int(cell), &route});
    }
    insertAll(QStringLiteral("INSERT INTO ROUTES (PROVINCECODE, DIRECTION, DESTCODE, DESTNAME, DAYS, TURN) "
                             "VALUES (?, ?, ?, ?, ?, ?)"),
              int(leaving.size()), [&](int i) {
                  const auto& [cell, route] = leaving[std::size_t(i)];
                  const WorldPlan::Cell& from = plan_.cells[std::size_t(cell)];
                  const WorldPlan::Cell& to = plan_.cells[std::size_t(route->destination)];
                  return QVariantList{provinceCode(from.row, from.column),
                                      directionName(route->direction),
                                      provinceCode(to.row, to.column),
                                      QString::fromLatin1(provinceName(route->destination)),
                                      route->days ? QVariant(*route->days) : QVariant(),
                                      kRoutesTurn};
              });
}

void WorldWriter::writeCities()
{
    cityIds_.assign(plan_.cells.size(), 0);
    std::vector<int> cityCells;
    for (std::size_t i = 0; i < plan_.cells.size(); ++i) {
        if (plan_.cells[i].city)
            cityCells.push_back(int(i));
    }
    insertAll(QStringLiteral("INSERT INTO LOCALS (LOCALID, PROVINCEID, LOCALNUMBER, LocalName, LocationTypeID, "
                             "PROVINCIASAFE, COMMENTS) VALUES (?, ?, ?, ?, ?, ?, ?)"),
              int(cityCells.size()), [&](int i) {
                  const int cell = cityCells[std::size_t(i)];
                  cityIds_[std::size_t(cell)] = i + 1;
                  return QVariantList{i + 1,
                                      provinceIds_[std::size_t(cell)],
                                      QString::number(2000 + i),
                                      QStringLiteral("City %1").arg(i + 1),
                                      plan_.pick(1, 2),
                                      plan_.pick(0, 4) == 0 ? 1 : 0,
                                      QString::number(plan_.pick(1, 40))};
              });
    // 10 to 20 offers a city, buying and selling.
    std::vector<int> offerCity;
    for (std::size_t i = 0; i < cityCells.size(); ++i) {
        for (int n = plan_.pick(10, 20); n > 0; --n)
            offerCity.push_back(int(i) + 1);
    }
    insertAll(QStringLiteral("INSERT INTO MARKETTRANSACTIONS (LocalID, ItemID, TransactionType, TransactionQuantity, "
                             "TransactionCost, TurnNo) VALUES (?, ?, ?, ?, ?, ?)"),
              int(offerCity.size()), [&](int i) {
                  return QVariantList{offerCity[std::size_t(i)],
                                      plan_.pick(1, 22),
                                      plan_.pick(0, 1) ? QStringLiteral("B") : QStringLiteral("S"),
                                      plan_.pick(1, 3000),
                                      plan_.pick(1, 900),
                                      plan_.pick(1, 40)};
              });
}

void WorldWriter::writeInnerLocations()
{
    struct Inner {
        int province;
        int city;
        int parent;
    };
    std::vector<Inner> inner;
    const int firstLevel = WorldPlan::kInnerLocations * 2 / 3;
    const int surfaceCells = WorldPlan::kColumns * WorldPlan::kSurfaceRows;
    while (int(inner.size()) < firstLevel) {
        const int cell = plan_.pick(0, surfaceCells - 1);
        const int city = cityIds_[std::size_t(cell)] && plan_.pick(0, 1) ? cityIds_[std::size_t(cell)] : 0;
        inner.push_back({provinceIds_[std::size_t(cell)], city, 0});
    }
    while (int(inner.size()) < WorldPlan::kInnerLocations) {
        const int parent = plan_.pick(0, firstLevel - 1);
        inner.push_back({inner[std::size_t(parent)].province, inner[std::size_t(parent)].city, parent + 1});
    }
    insertAll(QStringLiteral("INSERT INTO INNERLOCATIONS (INNERLOCALID, InnerID, LocalLocationID, ProvinceID, "
                             "LocalNumber, LocalNAme, InnerTypeID, EntranceSize, TravelTime, Hidden, Closed, Comments) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              int(inner.size()), [&](int i) {
                  const Inner& row = inner[std::size_t(i)];
                  return QVariantList{i + 1,
                                      row.parent,
                                      row.city,
                                      row.province,
                                      QString::number(7000 + i),
                                      QStringLiteral("Place %1").arg(i + 1),
                                      row.parent ? plan_.pick(7, 9) : plan_.pick(1, 16),
                                      plan_.pick(0, 3) ? QVariant(plan_.pick(1, 500)) : QVariant(),
                                      plan_.pick(0, 3),
                                      plan_.pick(0, 9) == 0 ? 1 : 0,
                                      plan_.pick(0, 9) == 0 ? 1 : 0,
                                      QString::number(plan_.pick(1, 40))};
              });
}

} // namespace arvenna

#include "ModelLoader.h"

#include "ClassicPalette.h"
#include "InnerLocationLoader.h"
#include "KnownRoutesLoader.h"
#include "MapModel.h"
#include "ModelValues.h"
#include "database/Database.h"
#include "database/RowReader.h"

#include <QStringList>

namespace arvenna {

namespace {
// Provinces, their city and each market offer of that city, one offer a row.
const QString kJoinedQuery = QStringList{
    QStringLiteral("SELECT  Locals.LocalID,"),
    QStringLiteral("    Locals.LocalNumber,"),
    QStringLiteral("    Locals.LocalNAme,"),
    QStringLiteral("    Locals.LocationTypeID,"),
    QStringLiteral("    Locals.ProvinciaSafe,"),
    QStringLiteral("    Provincias.ProvinciaName,"),
    QStringLiteral("    Provincias.ProvinciaID,"),
    QStringLiteral("    Provincias.ContinentID,"),
    QStringLiteral("    Provincias.RullerID,"),
    QStringLiteral("    Provincias.Peasants,"),
    QStringLiteral("    Provincias.TerrainID,"),
    QStringLiteral("    Provincias.XORD,"),
    QStringLiteral("    Provincias.YORD,"),
    QStringLiteral("    Provincias.Up,"),
    QStringLiteral("    Provincias.North,"),
    QStringLiteral("    Provincias.East,"),
    QStringLiteral("    Provincias.South,"),
    QStringLiteral("    Provincias.West,"),
    QStringLiteral("    Provincias.Down,"),
    QStringLiteral("    MarketTransactions.MarketItemID,"),
    QStringLiteral("    MarketTransactions.TransactionCost,"),
    QStringLiteral("    MarketTransactions.ItemID,"),
    QStringLiteral("    MarketTransactions.TransactionQuantity,"),
    QStringLiteral("    MarketTransactions.TransactionType,"),
    QStringLiteral("    MarketTransactions.TurnNo,"),
    QStringLiteral("    Rullers.RullerID"),
    QStringLiteral("    FROM ((Provincias LEFT JOIN Locals ON Provincias.ProvinciaID = Locals.ProvinceID) LEFT JOIN "
                   "MarketTransactions ON Locals.LocalID = MarketTransactions.LocalID) Left Join Rullers ON "
                   "Provincias.RullerID = Rullers.RullerID"),
}.join(QLatin1Char('\n'));

// Terrains whose provinces hold no city and no market: the seas, Hades,
// Faery and the tunnels.
bool holdsCities(qint64 terrainId)
{
    return terrainId != 2 && terrainId != 3 && terrainId != 9 && terrainId != 10 && terrainId != 11;
}

// The columns of the joined query, found once.
struct JoinedColumns {
    explicit JoinedColumns(const RowReader& rows)
        : localId(rows.column(QStringLiteral("LocalID"))), localNumber(rows.column(QStringLiteral("LocalNumber"))),
          localName(rows.column(QStringLiteral("LocalNAme"))),
          locationType(rows.column(QStringLiteral("LocationTypeID"))),
          safe(rows.column(QStringLiteral("ProvinciaSafe"))), name(rows.column(QStringLiteral("ProvinciaName"))),
          provinceId(rows.column(QStringLiteral("ProvinciaID"))),
          continent(rows.column(QStringLiteral("ContinentID"))),
          // The province's own RullerID may name no ruler; the joined one is null then.
          ruler(rows.column(QStringLiteral("Rullers.RullerID"))), peasants(rows.column(QStringLiteral("Peasants"))),
          terrain(rows.column(QStringLiteral("TerrainID"))), x(rows.column(QStringLiteral("XORD"))),
          y(rows.column(QStringLiteral("YORD"))), up(rows.column(QStringLiteral("Up"))),
          north(rows.column(QStringLiteral("North"))), east(rows.column(QStringLiteral("East"))),
          south(rows.column(QStringLiteral("South"))), west(rows.column(QStringLiteral("West"))),
          down(rows.column(QStringLiteral("Down"))), marketId(rows.column(QStringLiteral("MarketItemID"))),
          cost(rows.column(QStringLiteral("TransactionCost"))), item(rows.column(QStringLiteral("ItemID"))),
          quantity(rows.column(QStringLiteral("TransactionQuantity"))),
          type(rows.column(QStringLiteral("TransactionType"))), turn(rows.column(QStringLiteral("TurnNo")))
    {
    }
    int localId, localNumber, localName, locationType, safe, name, provinceId, continent, ruler, peasants, terrain, x,
        y, up, north, east, south, west, down, marketId, cost, item, quantity, type, turn;
};

// The model as it is being built; it replaces the old one only when complete.
struct LoadedModel {
    CollectYCoord YCoordsByCode;
    CollectYCoord YCoordsByNum;
    CollectXCoord XCoords;
    CollectAlliance Alliances;
    CollectCharacter Characters;
    CollectFactions Factions;
    CollectProvincia Provinces;
    InnerTypeArray InnerTypeTable;
    KnownRoutes Routes;
    qint16 UndergroundRow = 0;
    MapGrid grid;
};

QString startSetting(Database& database, const QString& code, const QString& fallback)
{
    RecordSet rows = database.openRecordSet(QStringLiteral("SELECT * FROM SETTINGS WHERE SETTINGCODE = ?"),
                                            RecordSetType::Snapshot, {code});
    if (rows.isEOF() || rows.isNull(QStringLiteral("SettingValue")))
        return fallback;
    return rows.text(QStringLiteral("SettingValue"));
}

QString rangeLabel(const QString& first, const QString& last)
{
    return QStringLiteral("(Valid from ") + first + QStringLiteral(" to ") + last + QLatin1Char(')');
}

void readGrid(Database& database, LoadedModel& loaded)
{
    const CollectXCoord& columns = loaded.XCoords;
    const CollectYCoord& rows = loaded.YCoordsByNum;
    MapGrid& grid = loaded.grid;
    grid.StartColumn = startSetting(database, QStringLiteral("STARTX"), QString::number(columns.Item(1).CoordId));
    grid.StartRow = startSetting(database, QStringLiteral("STARTY"), QString::number(rows.Item(1).CoordId));
    grid.ColumnRangeLabel = rangeLabel(columns.Item(1).CoordCode(), columns.Item(columns.Count()).CoordCode());
    grid.RowRangeLabel =
        rangeLabel(rows.Item(1).CoordCode(), rows.Item(QString::number(loaded.UndergroundRow)).CoordCode());
    grid.ColumnCount = columns.Count();
    grid.SurfaceRowCount = 0;
    for (const ClassCoordinates& row : rows)
        grid.SurfaceRowCount += row.CoordId <= loaded.UndergroundRow ? 1 : 0;
}

QString textOrEmpty(const RowReader& rows, int column)
{
    return rows.isNull(column) ? QString() : rows.text(column);
}

void readProvinces(Database& database, LoadedModel& loaded, const CollectTerrain& terrains,
                   QHash<qint64, ClassProvincia*>& provincesById, MapLoadObserver* observer)
{
    RowReader rows(database, kJoinedQuery);
    const JoinedColumns c(rows);
    ClassProvincia* current = nullptr;
    qint64 previousId = 0;
    bool havePrevious = false;
    while (rows.next()) {
        if (rows.isNull(c.terrain))
            continue;
        const qint64 terrainId = rows.integer(c.terrain);
        const qint64 provinceId = rows.integer(c.provinceId);
        if (!havePrevious || provinceId != previousId) {
            havePrevious = true;
            previousId = provinceId;
            // A province the grid cannot place stays out of the map.
            const ClassCoordinates* row = rows.isNull(c.x) ? nullptr : loaded.YCoordsByNum.find(rows.text(c.y));
            if (!row) {
                current = nullptr;
                continue;
            }
            const QString column = rows.text(c.x);
            const qint16 terrain = toInteger(rows.value(c.terrain), QStringLiteral("TerrainID"));
            current = &loaded.Provinces.Add(
                rows.text(c.name), terrain, toInteger(rows.value(c.peasants), QStringLiteral("Peasants")),
                toLong(rows.value(c.ruler), QStringLiteral("RullerID")), QString(),
                toLong(rows.value(c.continent), QStringLiteral("ContinentID")), textOrEmpty(rows, c.up),
                textOrEmpty(rows, c.down), textOrEmpty(rows, c.south), textOrEmpty(rows, c.north),
                textOrEmpty(rows, c.east), textOrEmpty(rows, c.west), column, row->CoordCode(),
                toLong(rows.value(c.provinceId), QStringLiteral("ProvinciaID")),
                row->CoordCode() + formatTwoDigits(column));
            provincesById.insert(provinceId, current);
            if (observer)
                observer->provinceArrived(*current, toQColor(terrains.Item(QString::number(terrain)).TerrainColor));
        }
        if (!current || !holdsCities(terrainId))
            continue;
        ClassLocation& city = current->ClassLocation();
        if (!rows.isNull(c.localId) && city.LocationName.isEmpty()) {
            city.LocationID = toLong(rows.value(c.localId), QStringLiteral("LocalID"));
            city.LocationNo = rows.text(c.localNumber);
            city.LocationName = rows.text(c.localName);
            city.LocationType = toInteger(rows.value(c.locationType), QStringLiteral("LocationTypeID"));
            city.LocationSafe = rows.flag(c.safe);
        }
        if (!rows.isNull(c.marketId)) {
            CollectMarket& offers = rows.text(c.type) == QLatin1String("B") ? city.CollecMArketBuy()
                                                                           : city.CollecMArketSell();
            offers.Add(toInteger(rows.value(c.quantity), QStringLiteral("TransactionQuantity")),
                       toInteger(rows.value(c.cost), QStringLiteral("TransactionCost")),
                       toLong(rows.value(c.item), QStringLiteral("ItemID")),
                       toInteger(rows.value(c.turn), QStringLiteral("TurnNo")));
        }
    }
}
} // namespace

void loadMapModel(MapModel& model, Database& database, MapLoadObserver* observer)
{
    LoadedModel loaded;
    loaded.YCoordsByCode.Init(database, false);
    loaded.YCoordsByNum.Init(database, true);
    loaded.XCoords = CollectXCoord(database);
    loaded.Alliances = CollectAlliance(database);
    loaded.Characters = CollectCharacter(database);
    loaded.Factions = CollectFactions(database);
    loaded.Provinces.Add(QString(), 0, 0, 0, QString(), 0, QString(), QString(), QString(), QString(), QString(),
                         QString(), QString(), QString(), 0, CollectProvincia::kFallbackKey);
    if (observer)
        observer->loadStarted();
    loaded.InnerTypeTable = InnerTypeArray(database);
    loaded.UndergroundRow = model.UndergroundRow == 0 ? 100 : model.UndergroundRow;
    readGrid(database, loaded);

    QHash<qint64, ClassProvincia*> provincesById;
    readProvinces(database, loaded, model.TerrainsByID, provincesById, observer);
    loadInnerLocations(database, provincesById);
    loaded.Routes = readKnownRoutes(database);

    model.YCoordsByCode = std::move(loaded.YCoordsByCode);
    model.YCoordsByNum = std::move(loaded.YCoordsByNum);
    model.XCoords = std::move(loaded.XCoords);
    model.Alliances = std::move(loaded.Alliances);
    model.Characters = std::move(loaded.Characters);
    model.Factions = std::move(loaded.Factions);
    model.Provinces = std::move(loaded.Provinces);
    model.InnerTypeTable = std::move(loaded.InnerTypeTable);
    model.Routes = std::move(loaded.Routes);
    model.UndergroundRow = loaded.UndergroundRow;
    model.grid = loaded.grid;
    if (observer)
        observer->loadFinished();
}

} // namespace arvenna

// Loading the map model from a game database.
#include "GameFixture.h"
#include "database/Database.h"
#include "database/DatabaseError.h"
#include "database/RowReader.h"
#include "model/MapModel.h"
#include "model/ModelLoader.h"

#include <QSqlDriver>
#include <QtTest>
#include <sqlite3.h>

using namespace arvenna;

namespace {
// Records what the map picture would be told while the model loads.
class RecordingObserver : public MapLoadObserver {
public:
    void loadStarted() override { events << QStringLiteral("started"); }
    void provinceArrived(const ClassProvincia& province, QColor terrainColour) override
    {
        events << province.ProvinceCoordY + province.ProvinceCoordX + ' ' + terrainColour.name();
    }
    void loadFinished() override { events << QStringLiteral("finished"); }

    QStringList events;
};

QString province(int id, const QString& name, int x, int y, const QString& terrain, const QString& more = {})
{
    return QStringLiteral("INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID%1) "
                          "VALUES (%2, '%3', %4, %5, %6%7);")
        .arg(more.isEmpty() ? QString() : QStringLiteral(", CONTINENTID, RULLERID, North, Up"))
        .arg(id)
        .arg(name)
        .arg(x)
        .arg(y)
        .arg(terrain, more.isEmpty() ? QString() : QStringLiteral(", ") + more);
}

QStringList offers(const CollectMarket& market)
{
    QStringList lines;
    for (const ClassMarket& offer : market)
        lines << QStringLiteral("%1x item %2 at %3, turn %4")
                     .arg(offer.TransItemQuant)
                     .arg(offer.TransItemID)
                     .arg(offer.TransItemPrice)
                     .arg(offer.TransactionTurn);
    return lines;
}

// Every inner location of a province as "where: name (id, type, entrance)".
void describeInner(const CollecInnerLocation& list, const QString& where, QStringList& lines)
{
    for (const ClassLocation& place : list) {
        lines << QStringLiteral("%1: %2 (%3, %4, %5%6%7)")
                     .arg(where, place.LocationName)
                     .arg(place.LocationID)
                     .arg(place.LocationType)
                     .arg(place.LocalEntrySize)
                     .arg(place.LocalHidden ? QStringLiteral(", hidden") : QString(),
                          place.LocalBlocked ? QStringLiteral(", closed") : QString());
        describeInner(place.CollecInnerLocation(), place.LocationName, lines);
    }
}

QStringList innerLocations(const ClassProvincia& province)
{
    QStringList lines;
    describeInner(province.CollecInnerLocation(), QStringLiteral("province"), lines);
    describeInner(province.ClassLocation().CollecInnerLocation(), QStringLiteral("city"), lines);
    return lines;
}

// The loader after the reference lists, as opening a game runs it.
void openAndLoad(GameFixture& game, MapModel& model, MapLoadObserver* observer = nullptr)
{
    fillReferenceLists(model, game.database());
    loadMapModel(model, game.database(), observer);
}
} // namespace

class ModelLoaderTest : public QObject {
    Q_OBJECT

private slots:
    void provincesCarryTheirCityAndMarket()
    {
        GameFixture game(
            province(1, "Greenholt", 7, 2, "4", "3, 2, 'aa07', NULL")
            + province(2, "Saltway", 8, 2, "2", "NULL, 77, NULL, NULL") + province(3, "Lost", 9, 2, "NULL")
            + province(4, "Oddland", 10, 2, "99") + province(5, "Far Below", 3, 101, "9")
            + QStringLiteral(
                "INSERT INTO RULLERS (RULLERID, RULLERNAME) VALUES (2, 'Keep');"
                "UPDATE PROVINCIAS SET PEASANTS = 1250 WHERE PROVINCIAID = 1;"
                "INSERT INTO LOCALS VALUES (10, 1, 'C10', 'Greenholt Town', 2, 1, '12'), (11, 2, 'C11', 'Sea Town', 1, "
                "0, '12'), (12, 3, 'C12', 'Ghost Town', 2, 0, '1'), (13, 999, 'C13', 'Nowhere', 2, 0, '1');"
                "INSERT INTO MARKETTRANSACTIONS (LocalID, ItemID, TransactionType, TransactionQuantity, TransactionCost, "
                "TurnNo) VALUES (10, 9, 'S', 40, 12, 5), (10, 11, 'B', 3, 90, 6), (10, 14, 'x', 7, 2, 6), "
                "(11, 9, 'S', 1, 1, 1), (999, 9, 'B', 1, 1, 1)"));
        MapModel model;
        RecordingObserver observer;
        openAndLoad(game, model, &observer);

        QCOMPARE(observer.events, (QStringList{"started", "ab7 #00ff00", "ab8 #0000ff", "ab10 #000000",
                                               "ea3 #ff0000", "finished"}));
        QCOMPARE(model.Provinces.Count(), 5); // four and the fallback
        QCOMPARE(model.Provinces.Item("ab09").ProvinceName, QString()); // null terrain stays out

        const ClassProvincia& green = model.Provinces.Item("ab7");
        QCOMPARE((QStringList{green.ProvinceName, green.ProvinceCoordY, green.ProvinceCoordX, green.ProvinceNORTH,
                              green.ProvinceUP, green.ProvinceSOUTH, green.ProvinceComments}),
                 (QStringList{"Greenholt", "ab", "7", "aa07", "", "", ""}));
        QCOMPARE((QList<int>{green.ProvinceID, green.ProvinceTerrainID, green.ProvinceContinentID, green.ProvinceRulerID,
                             green.ProvincePeasants}),
                 (QList<int>{1, 4, 3, 2, 1250}));
        const ClassLocation& town = green.ClassLocation();
        QCOMPARE((QStringList{town.LocationName, town.LocationNo, QString::number(town.LocationID),
                              QString::number(town.LocationType), QString::number(town.LocationSafe)}),
                 (QStringList{"Greenholt Town", "C10", "10", "2", "1"}));
        QCOMPARE(offers(town.CollecMArketSell()), (QStringList{"40x item 9 at 12, turn 5", "7x item 14 at 2, turn 6"}));
        QCOMPARE(offers(town.CollecMArketBuy()), (QStringList{"3x item 11 at 90, turn 6"}));

        // Sea provinces hold no city and no market, whatever the database says.
        // A ruler id that names no ruler reads as none; unknown peasants as 0.
        const ClassProvincia& sea = model.Provinces.Item("ab08");
        QCOMPARE((QStringList{sea.ProvinceName, QString::number(sea.ProvinceRulerID), QString::number(sea.ProvincePeasants),
                              sea.ClassLocation().LocationName,
                              QString::number(sea.ClassLocation().CollecMArketSell().Count())}),
                 (QStringList{"Saltway", "0", "0", "", "0"}));
        QCOMPARE(model.Provinces.Item("ea03").ProvinceTerrainID, qint16(9));
    }

    void innerLocationsNestOneLevel()
    {
        GameFixture game(
            province(1, "Greenholt", 7, 2, "4") + province(2, "Other", 8, 2, "4")
            + QStringLiteral(
                "INSERT INTO LOCALS VALUES (10, 1, 'C10', 'Greenholt Town', 2, 0, '1');"
                "INSERT INTO INNERLOCATIONS (INNERLOCALID, InnerID, LocalLocationID, ProvinceID, LocalNumber, "
                "LocalNAme, InnerTypeID, EntranceSize, Hidden, Closed) VALUES "
                "(1, 0, 0, 1, 'I1', 'Old Mine', 3, 20, 0, 1),"
                "(2, 0, 10, 1, 'I2', 'Harbour Inn', 4, NULL, 0, 0),"
                "(3, 0, NULL, 1, 'I3', 'Bell Tower', 2, 5, 1, 0),"
                "(4, 1, 0, 1, 'I4', 'Deep Shaft', 14, 2, 0, 0),"
                "(5, 4, 0, 1, 'I5', 'Third Level', 15, 0, 0, 0),"
                "(6, 999, 0, 1, 'I6', 'Orphan', 16, 0, 0, 0),"
                "(7, 0, 0, 555, 'I7', 'No Province', 1, 0, 0, 0),"
                "(8, 1, 0, 2, 'I8', 'Wrong Province', 7, 0, 0, 0),"
                "(9, NULL, 0, 1, 'I9', 'No Parent Value', 8, 0, 0, 0),"
                "(12, 9, 0, 1, 'I12', 'Hold', 5, 0, 0, 0),"
                "(10, 2, 10, 1, 'I10', 'Cellar', 9, 1, 0, 0),"
                "(11, 0, 0, 2, 'I11', 'Lone Tower', 2, 0, 0, 0)"));
        MapModel model;
        openAndLoad(game, model);
        // A null InnerID counts as first level, like 0.
        QCOMPARE(innerLocations(model.Provinces.Item("ab07")),
                 (QStringList{"province: Old Mine (1, 3, 20, closed)", "Old Mine: Deep Shaft (4, 14, 2)",
                              "province: No Parent Value (9, 8, 0)", "No Parent Value: Hold (12, 5, 0)",
                              "city: Harbour Inn (2, 4, 0)", "Harbour Inn: Cellar (10, 9, 1)",
                              "city: Bell Tower (3, 2, 5, hidden)"}));
        QCOMPARE(innerLocations(model.Provinces.Item("ab08")),
                 (QStringList{"province: Lone Tower (11, 2, 0)"}));
    }

    void gridValuesComeFromSettingsAndCells()
    {
        GameFixture game;
        MapModel model;
        openAndLoad(game, model);
        const MapGrid& grid = model.grid;
        QCOMPARE((QStringList{grid.StartColumn, grid.StartRow, grid.ColumnRangeLabel, grid.RowRangeLabel}),
                 (QStringList{"0", "1", "(Valid from 00 to 99)", "(Valid from aa to dv)"}));
        QCOMPARE((QList<int>{grid.ColumnCount, grid.SurfaceRowCount, model.UndergroundRow, model.InnerTypeTable.count(),
                             model.XCoords.Count(), model.YCoordsByCode.Count(), model.Provinces.Count()}),
                 (QList<int>{100, 100, 100, 16, 100, 120, 1}));

        // No start settings: the first column and row; no numeric terrain code: row 100.
        game.switchTo(QStringLiteral("Quorvane.mdb"),
                      QStringLiteral("DELETE FROM SETTINGS; UPDATE TERRAIN SET TERRCODE = 'T' WHERE TERRAINID = 11;"
                                     "DELETE FROM CELLSX WHERE CELLID = 0"));
        openAndLoad(game, model);
        QCOMPARE((QStringList{model.grid.StartColumn, model.grid.StartRow, model.grid.ColumnRangeLabel}),
                 (QStringList{"1", "1", "(Valid from 01 to 99)"}));
        QCOMPARE(model.UndergroundRow, qint16(100));

        // A numeric terrain code moves the end of the surface.
        GameFixture shallow(QStringLiteral("UPDATE TERRAIN SET TERRCODE = ' 60 ' WHERE TERRAINID = 11;"
                                           "UPDATE SETTINGS SET SettingValue = '12' WHERE SETTINGCODE = 'startx'"));
        openAndLoad(shallow, model);
        QCOMPARE((QStringList{model.grid.StartColumn, model.grid.RowRangeLabel}),
                 (QStringList{"12", "(Valid from aa to ch)"}));
        QCOMPARE(model.grid.SurfaceRowCount, 60);
    }

    // A second load replaces everything; a load that fails keeps the model it had.
    void aSecondLoadReplacesEverythingOrNothing()
    {
        GameFixture game(province(1, "Greenholt", 7, 2, "4") + province(2, "Unplaced", 3, 500, "4")
                         + province(3, "No Column", 0, 2, "4")
                         + "UPDATE PROVINCIAS SET XORD = NULL WHERE PROVINCIAID = 3;"
                           "INSERT INTO ALLIANCES VALUES (1, 'Pact', '', 0);"
                           "INSERT INTO CHARACTERS (CharacterID, CHARACTERNAME) VALUES (1, 'Orla');"
                           "INSERT INTO FACTIONS VALUES ('104', 'Ravens', NULL)");
        MapModel model;
        openAndLoad(game, model);
        // The provinces the grid cannot place stay out.
        QCOMPARE((QList<int>{model.Provinces.Count(), model.Alliances.Count(), model.Characters.Count(),
                             model.Factions.Count()}),
                 (QList<int>{2, 1, 1, 1}));
        game.database().execute("DELETE FROM ALLIANCES");
        game.database().execute("DELETE FROM CHARACTERS");
        game.database().execute("UPDATE PROVINCIAS SET XORD = ?, PROVINCIANAME = ? WHERE PROVINCIAID = 1",
                                {9, QStringLiteral("Moved")});
        loadMapModel(model, game.database());
        QCOMPARE(model.Provinces.Item("ab07").ProvinceName, QString());
        QCOMPARE(model.Provinces.Item("ab09").ProvinceName, QStringLiteral("Moved"));
        QCOMPARE((QList<int>{model.Provinces.Count(), model.Alliances.Count(), model.Characters.Count()}),
                 (QList<int>{2, 0, 0}));

        runSql(game.session.CurrentDBName, "INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID) "
                                           "VALUES (5000000000, 'Huge', 1, 1, 4)");
        try {
            loadMapModel(model, game.database());
            QFAIL("a province id beyond 32 bits was loaded");
        } catch (const DatabaseError& error) {
            QVERIFY2(error.message().startsWith("Overflow: the field 'ProvinciaID' holds '5000000000'"),
                     qPrintable(error.message()));
        }
        QCOMPARE(model.Provinces.Item("ab09").ProvinceName, QStringLiteral("Moved"));
        QCOMPARE(model.Provinces.Count(), 2);
    }

    void streamingReaderBindsValuesAndReportsFailures()
    {
        GameFixture game(province(1, "Greenholt", 7, 2, "4", "NULL, 77, NULL, NULL"));
        {
            RowReader rows(game.database(),
                           "SELECT * FROM TERRAIN WHERE TERRAINDESCRIPTION = ? OR TERRAINID = ? ORDER BY TERRAINID",
                           {QStringLiteral("great SEA"), 11});
            const int name = rows.column("terraindescription");
            const int code = rows.column("TERRCODE");
            QStringList read;
            while (rows.next())
                read << rows.text(name) + '/' + rows.value(code).toString();
            QCOMPARE(read, (QStringList{"Great Sea/O", "Tunnel/100"}));
            QVERIFY(!rows.next()); // stays at its end
            QVERIFY_THROWS_EXCEPTION(DatabaseError, rows.column("NoSuchField"));
        }
        QVERIFY_THROWS_EXCEPTION(DatabaseError, RowReader(game.database(), "SELECT * FROM Nowhere"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, RowReader(game.database(), "SELECT ?", {}));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, RowReader(game.database(), "SELECT ?", {1, 2}));
        // Readers that failed leave no statement behind to keep the file from closing.
        const QVariant handle = game.database().connection().driver()->handle();
        QVERIFY(!sqlite3_next_stmt(*static_cast<sqlite3* const*>(handle.constData()), nullptr));

        // Columns of a join are named by their table.
        RowReader joined(game.database(), "SELECT Provincias.RullerID, ProvinciaName, Rullers.RullerID FROM Provincias "
                                          "LEFT JOIN Rullers ON Provincias.RullerID = Rullers.RullerID");
        QCOMPARE((QList<int>{joined.column("provincias.rullerid"), joined.column("Rullers.RullerID"),
                             joined.column("Provincias.ProvinciaName")}),
                 (QList<int>{0, 2, 1}));
        try {
            joined.column("RullerID");
            QFAIL("an ambiguous column name was taken");
        } catch (const DatabaseError& error) {
            QCOMPARE(error.message(), QStringLiteral("The field 'RullerID' is ambiguous: name it as Table.Field."));
        }
        QVERIFY_THROWS_EXCEPTION(DatabaseError, joined.column("Locals.RullerID"));
        QVERIFY(joined.next());
        QCOMPARE((QList<QVariant>{joined.value(0), joined.value(2)}), (QList<QVariant>{qint64(77), QVariant()}));
    }
};

QTEST_GUILESS_MAIN(ModelLoaderTest)
#include "ModelLoaderTest.moc"

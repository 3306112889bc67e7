// The information panel of a province, line for line, on small games.
#include "GameFixture.h"
#include "StoredRoutes.h"
#include "database/Database.h"
#include "database/RoutesTable.h"
#include "model/MapModel.h"
#include "view/CitySkills.h"
#include "view/GameOpening.h"
#include "view/MapPictures.h"
#include "view/ProvinceInfo.h"
#include "view/ProvinceRoutes.h"
#include "view/Twips.h"
#include "view/MapView.h"

#include <QtTest>

using namespace arvenna;

namespace {
// Redmoor (ab07): a ruled forest with a safe-haven city, nested and hidden
// inner locations, a sewer down and a market of sell offers only.
// Deepway (ac10): a tunnel with exits. Quiet (ad01): a plain, nothing more.
// Twinkeep (aa05): ruled from a second castle named Highkeep.
const QString kWorld = QStringLiteral(R"(
INSERT INTO CONTINENTES (CONTID, CONTDESCRIPTION, CONTCOLOR) VALUES (1, 'Northreach', 255);
INSERT INTO CHARACTERS (CharacterID, CHARACTERNUMBER, CHARACTERNAME) VALUES (1, 'N55', 'Lord Brann');
INSERT INTO RULLERS (RULLERID, RULLERNO, RULLERNAME, RULLERNOBLEID, CASTLEPROVID, RULLERCOLOUR)
  VALUES (1, 'C12', 'Highkeep', '1', 'aa03', 65280), (2, 'C13', 'Highkeep', '1', 'aa05', 255);
INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID, CONTINENTID, RULLERID, Down)
  VALUES (1, 'Redmoor', 7, 2, 1, 1, 1, 'ea07');
INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID) VALUES (2, 'Keepvale', 3, 1, 4);
INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID, Up, North, East, South, West, Down)
  VALUES (3, 'Deepway', 10, 3, 11, 'ab10', NULL, 'ac11', '', 'ac09', 'eb10');
INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID) VALUES (4, 'Quiet', 1, 4, 4);
INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID) VALUES (5, '', 11, 3, 4);
INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID, RULLERID) VALUES (6, 'Twinkeep', 5, 1, 4, 2);
INSERT INTO LOCALS (LOCALID, PROVINCEID, LOCALNUMBER, LocalName, LocationTypeID, PROVINCIASAFE)
  VALUES (1, 1, 'C101', 'Redgate', 2, 1);
INSERT INTO SKILLSBYLOCAL (LOCALID, SKILLTYPEID) VALUES (1, 3), (1, 1);
INSERT INTO MARKETTRANSACTIONS (LocalID, ItemID, TransactionType, TransactionQuantity, TransactionCost, TurnNo)
  VALUES (1, 1, 'S', 5, 10, 12), (1, 9999, 'S', 2, 3, 11);
INSERT INTO INNERLOCATIONS (INNERLOCALID, InnerID, LocalLocationID, ProvinceID, LocalNumber, LocalNAme, InnerTypeID, Hidden)
  VALUES (1, 0, 0, 1, 'I1', 'Stone Hall', 1, 0), (2, 1, 0, 1, 'I2', 'Watch', 2, 1),
         (3, 0, 1, 1, 'I3', 'Drains', 9, 0);
)");

// Routes of every kind leaving Redmoor, stored out of direction order, and
// one leaving Deepway.
const QList<StoredRoute> kRoutes{
    {"ab07", "Down", "ea07", "Tunnel", 1, 24},   {"ab07", "North", "aa07", "Forest", 8, 24},
    {"ac10", "West", "ac09", "Tunnel", 2, 20},   {"ab07", "South", "ac07", "Mountain", QVariant(), 23},
    {"ab07", "Up", "dx07", "Cloudland", 12, 22}, {"ab07", "East", "ab08", "", 3, 24},
};

struct OpenGame {
    explicit OpenGame(const QString& more = QString(), const QList<StoredRoute>& routes = {}) : game(kWorld + more)
    {
        if (!routes.isEmpty())
            storeRoutes(game.session.CurrentDBName, routes);
        openGame(game.session.CurrentDBName, game.session, model, view);
    }
    ProvinceInfo at(double x, double y) { return ShowProvinceInfo(model, game.database(), MapCoord{x, y}); }
    // The panel's boxes and the names its choices show.
    QStringList boxes(const ProvinceInfo& info) const
    {
        const ReferenceLists& lists = model.lists;
        return {info.provinceKey, info.coordinateText, info.Text4, info.TxtProvName, info.TxtPeasants,
                lists.ProvContinent.names.value(info.CmbProvContinent), lists.ProvTerrain.names.value(info.CmbProvTerrain),
                lists.ProvRuller.names.value(info.CmbProvRuller), lists.LocalType.names.value(info.CmbLocalType),
                info.TxLocalID, info.TxLocalNo, info.TxLocalName, info.LblLocalName1,
                info.ChkSafeHeaven ? "safe" : "unsafe"};
    }

    GameFixture game;
    MapModel model;
    MapView view;
};
} // namespace

class ProvinceInfoTest : public QObject {
    Q_OBJECT

private slots:
    void ruledCityWithEverything()
    {
        OpenGame open;
        const ProvinceInfo info = open.at(7, 2);
        QCOMPARE(info.LstShowDet, (QStringList{
                                      "-------------------- SAFE HAVEN --------------------",
                                      " Province (Forest) 0 Peasants",
                                      "    [ab 07] Redmoor",
                                      "          Stone Hall [I1] Castle",
                                      "             Watch [I2] Tower (Hidden)",
                                      "             (U)Down to ea07",
                                      "       Redgate [C101] (City)",
                                      "          Drains [I3] Sewer",
                                      "             (U)Down to ea07",
                                      "--------------------------------------------",
                                      "Ruled by : Lord Brann [N55]",
                                      "   in Highkeep [C12]",
                                      "     in Keepvale [aa03]",
                                      "",
                                  }));
        QCOMPARE(info.LstMarket, (QStringList{"", "Sell  5   gold[1]  for  10", "Sell  2   []  for  3", "", "",
                                             "------------------", "On turn 12", "------------------"}));
        QCOMPARE(info.LstInner, (QStringList{"Redmoor (Forest) ", "          Stone Hall [I1] Castle",
                                            "             Watch [I2] Tower (Hidden)", "       Redgate [C101] (City)",
                                            "          Drains [I3] Sewer"}));
        QCOMPARE(info.LstInnerCodes, (QStringList{"Province", "1", "2", "City", "3"}));
        QCOMPARE(info.LstInnerSelected, 0);
        QCOMPARE(open.boxes(info), (QStringList{"ab07", "ab 07", "Northreach", "Redmoor", "0", "Northreach", "Forest",
                                                "Highkeep", "City", "1", "C101", "Redgate", "Redgate [C101]", "safe"}));
        const ReferenceLists& lists = open.model.lists;
        QCOMPARE(lists.ProvRuller.names, (QStringList{"[None]", "Highkeep", "Highkeep"}));
        QCOMPARE(info.CmbProvRuller, 1);
        QCOMPARE(open.at(5, 1).CmbProvRuller, 2); // the castle of its own ruler, not the first of that name
        QStringList skills;
        for (int position : info.LstLocalSkill)
            skills << lists.LocalSkill.names.value(position);
        QCOMPARE(skills, (QStringList{"Combat [610]", "Archery [612]"}));

        // The city line lists its skills; any other line nothing.
        Database& database = open.game.database();
        QCOMPARE(citySkillsMessage(database, info.LstShowDet.at(6)),
                 QStringLiteral("SKILLS TO LEARN\n\n612 - Archery\n610 - Combat\n"));
        QCOMPARE(citySkillsMessage(database, info.LstShowDet.at(3)), QString());
        QCOMPARE(citySkillsMessage(database, QStringLiteral("       Nowhere [X'9] (City)")), QString());
        QCOMPARE(citySkillsMessage(database, QStringLiteral("(City) without a number")), QString());
    }

    void aCastleInAnUndiscoveredProvinceKeepsItsCode()
    {
        OpenGame open(QStringLiteral("INSERT INTO RULLERS (RULLERID, RULLERNO, RULLERNAME, RULLERNOBLEID, CASTLEPROVID) "
                                     "VALUES (3, 'K4', 'Far Keep', '1', 'af7');"
                                     "UPDATE PROVINCIAS SET RULLERID = 3 WHERE PROVINCIAID = 4;"));
        QCOMPARE(open.at(1, 4).LstShowDet,
                 (QStringList{" Province (Plain) 0 Peasants", "    [ad 01] Quiet",
                              "--------------------------------------------", "Ruled by : Lord Brann [N55]",
                              "   in Far Keep [K4]", "     in  [af07]", ""}));
    }

    void tunnelsPlainsAndUndiscoveredProvinces()
    {
        OpenGame open;
        QCOMPARE(open.at(10, 3).LstShowDet, (QStringList{" Province (Tunnel) 0 Peasants", "    [ac 10] Deepway",
                                                         "             (U)Down to eb10", "     (U)Up to ab10",
                                                         "     (U)East to ac11", "     (U)West to ac09",
                                                         "     (U)Down to eb10"}));
        const ProvinceInfo quiet = open.at(1, 4);
        QCOMPARE(quiet.LstShowDet, (QStringList{" Province (Plain) 0 Peasants", "    [ad 01] Quiet"}));
        QCOMPARE(quiet.LstMarket, QStringList());
        QCOMPARE(open.boxes(quiet), (QStringList{"ad01", "ad 01", "[None]", "Quiet", "0", "[None]", "Plain", "[None]",
                                                 "[None]", "0", "", "", " []", "unsafe"}));

        for (const MapCoord place : {MapCoord{11, 3}, MapCoord{50, 50}}) {
            const ProvinceInfo nothing = open.at(place.X, place.Y);
            QCOMPARE(nothing.LstShowDet.size(), 1);
            QVERIFY(nothing.LstShowDet.at(0).endsWith(QStringLiteral("]  - no info - ")));
            QCOMPARE(nothing.LstInner, QStringList{QStringLiteral(" - no info -  () ")});
            QCOMPARE(open.boxes(nothing).mid(3, 4), (QStringList{"", "", "[None]", "[None]"}));
        }
        QCOMPARE(open.at(50, 50).provinceKey, QStringLiteral("ERROR"));
        QCOMPARE(open.at(50, 50).LstShowDet, QStringList{QStringLiteral("    [bx 50]  - no info - ")});
    }

    void routesTabListsTheKnownRoutesInDirectionOrder()
    {
        OpenGame open(QString(), kRoutes);
        const QList<RouteRow> redmoor = open.at(7, 2).LstRoutes;
        QCOMPARE(redmoor, (QList<RouteRow>{{"North", "Forest [aa07]", "8 days", "24", "aa07"},
                                           {"East", "[ab08]", "3 days", "24", "ab08"},
                                           {"South", "Mountain [ac07]", "impassable", "23", "ac07"},
                                           {"Up", "Cloudland [dx07]", "12 days", "22", "dx07"},
                                           {"Down", "Tunnel [ea07]", "1 day", "24", "ea07"}}));
        QStringList lines;
        for (const RouteRow& row : redmoor)
            lines << routeLine(row);
        QCOMPARE(lines, (QStringList{"North, to Forest [aa07], 8 days, turn 24", "East, to [ab08], 3 days, turn 24",
                                     "South, to Mountain [ac07], impassable, turn 23",
                                     "Up, to Cloudland [dx07], 12 days, turn 22",
                                     "Down, to Tunnel [ea07], 1 day, turn 24"}));
        QCOMPARE(open.at(10, 3).LstRoutes, (QList<RouteRow>{{"West", "Tunnel [ac09]", "2 days", "20", "ac09"}}));
        // A province without routes, an undiscovered one, and one off the grid.
        QCOMPARE(open.at(1, 4).LstRoutes, QList<RouteRow>());
        QCOMPARE(open.at(11, 3).LstRoutes, QList<RouteRow>());
        QCOMPARE(open.at(50, 50).LstRoutes, QList<RouteRow>());
    }

    void anOlderGameReadOnlyKnowsNoRoutes()
    {
        OpenGame open;
        QVERIFY(!hasRoutesTable(open.game.database()));
        QCOMPARE(open.at(7, 2).LstRoutes, QList<RouteRow>());
    }

    void loadPaintsEveryProvinceAsItArrives()
    {
        GameFixture game(kWorld);
        MapModel model;
        MapView view;
        MapPictures pictures;
        pictures.layOut(view);
        openGame(game.session.CurrentDBName, game.session, model, view, &pictures.map);
        // The whole surface at once: 100 columns of 90 twips (6 pixels).
        QCOMPARE(pictures.map.pixelColor(toPixel(7 * 90 + 45), toPixel(1 * 90 + 45)), QColor(0, 128, 0));
        QCOMPARE(pictures.map.pixelColor(toPixel(10 * 90 + 45), toPixel(2 * 90 + 45)), QColor(128, 128, 128));
        QCOMPARE(pictures.map.pixelColor(toPixel(50 * 90 + 45), toPixel(50 * 90 + 45)), QColor(255, 255, 255));
    }
};

QTEST_GUILESS_MAIN(ProvinceInfoTest)
#include "ProvinceInfoTest.moc"

// The fastest route over the routes the reports listed: their days rather
// than the terrain's, impassable passes, tunnels between the worlds, and
// route lists that lead nowhere.
#include "TravelWorld.h"
#include "travel/FastestRoute.h"
#include "travel/RoutePlanning.h"

#include <QtTest>

using namespace arvenna;

namespace {
using enum RouteDirection;

struct Way {
    RouteDirection direction;
    const char* destination;
    std::optional<qint16> days; // nothing: impassable
};

// The routes a report listed as leaving the province.
void listRoutes(MemoryMap& map, const QString& province, std::initializer_list<Way> ways)
{
    QList<KnownRoute> routes;
    for (const Way& way : ways)
        routes << KnownRoute{way.direction, QString::fromLatin1(way.destination), QString(), way.days, 20};
    map.model.Routes.replace(province, routes);
}

// A plain valley over a mountain range; every route known. The valley is
// flooded, 15 days a step, where the plain's terrain promises 7; a road
// runs through the mountains at 4 days a step, where their terrain says 10.
void floodedValley(MemoryMap& map)
{
    drawWorld(map, {"PPPPP",
                    "PMMMP"});
    listRoutes(map, "aa00", {{East, "aa01", 15}, {South, "ab00", 7}});
    listRoutes(map, "aa01", {{East, "aa02", 15}, {West, "aa00", 15}});
    listRoutes(map, "aa02", {{East, "aa03", 15}, {South, "ab02", 10}, {West, "aa01", 15}});
    listRoutes(map, "aa03", {{East, "aa04", 15}, {West, "aa02", 15}});
    listRoutes(map, "aa04", {{South, "ab04", 7}, {West, "aa03", 15}});
    listRoutes(map, "ab00", {{North, "aa00", 7}, {East, "ab01", 4}});
    listRoutes(map, "ab01", {{East, "ab02", 4}, {West, "ab00", 4}});
    listRoutes(map, "ab02", {{North, "aa02", 10}, {East, "ab03", 4}, {West, "ab01", 4}});
    listRoutes(map, "ab03", {{East, "ab04", 4}, {West, "ab02", 4}});
    listRoutes(map, "ab04", {{North, "aa04", 7}, {West, "ab03", 4}});
}

// Two surface rows split by the sea, and a tunnel world below them (row ac,
// below the last surface row ab). Only the provinces at the tunnels' ends
// and the tunnels have their routes known; ac 4 is a tunnel no report
// reached.
void splitBySea(MemoryMap& map)
{
    drawWorld(map, {"POP",
                    "POP",
                    "TTT.T"});
    map.model.UndergroundRow = 2;
    listRoutes(map, "aa00", {{East, "aa01", 3}, {South, "ab00", 7}, {Down, "ac00", 1}});
    listRoutes(map, "aa01", {{East, "aa02", 3}, {West, "aa00", 3}});
    listRoutes(map, "aa02", {{South, "ab02", 7}, {West, "aa01", 3}, {Down, "ac02", 1}});
    listRoutes(map, "ac00", {{East, "ac01", 7}, {Up, "aa00", 1}});
    listRoutes(map, "ac01", {{East, "ac02", 7}, {West, "ac00", 7}});
    listRoutes(map, "ac02", {{West, "ac01", 7}, {Up, "aa02", 1}});
}
} // namespace

class KnownRouteTest : public QObject {
    Q_OBJECT

private slots:
    void knownDaysDecideTheRoute()
    {
        MemoryMap map;
        floodedValley(map);
        // The straight line looks like 28 days but takes 60: the road
        // through the mountains, six steps, wins with 30. Each step shows
        // the route's days.
        const RouteLines road = planFastestRoute(map.model, {0, 1}, {4, 1});
        QCOMPARE(road.lines,
                 (QStringList{"      to [ab 0] 7 Days (4)", "      to [ab 1] 4 Days (2)", "      to [ab 2] 4 Days (2)",
                              "      to [ab 3] 4 Days (2)", "      to [ab 4] 4 Days (2)", "      to [aa 4] 7 Days (4)",
                              " Total travel days 30", " Total travel days 16 (riding)"}));
        QCOMPARE(road.path, (QList<MapCoord>{{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {4, 1}}));

        // Snow closes the pass east of ab 2: the road climbs back to the
        // valley there, 55 days, still better than the valley's 60.
        listRoutes(map, "ab02", {{North, "aa02", 10}, {East, "ab03", std::nullopt}, {West, "ab01", 4}});
        QCOMPARE(planFastestRoute(map.model, {0, 1}, {4, 1}).lines,
                 (QStringList{"      to [ab 0] 7 Days (4)", "      to [ab 1] 4 Days (2)", "      to [ab 2] 4 Days (2)",
                              "      to [aa 2] 10 Days (5)", "      to [aa 3] 15 Days (8)", "      to [aa 4] 15 Days (8)",
                              " Total travel days 55", " Total travel days 29 (riding)"}));
        // An impassable route is never taken, even as the only way.
        listRoutes(map, "aa03", {{East, "aa04", std::nullopt}, {West, "aa02", 15}});
        listRoutes(map, "ab03", {{East, "ab04", std::nullopt}, {West, "ab02", 4}});
        QCOMPARE(planFastestRoute(map.model, {0, 1}, {4, 1}),
                 refusedRoute("No known route joins [aa 0] and [aa 4] over discovered land."));

        // Without the reports' routes the terrain decides: the straight line.
        map.model.Routes.clear();
        QCOMPARE(planFastestRoute(map.model, {0, 1}, {4, 1}).lines,
                 (QStringList{"      to [aa 1] 7 Days (4)", "      to [aa 2] 7 Days (4)", "      to [aa 3] 7 Days (4)",
                              "      to [aa 4] 7 Days (4)", " Total travel days 28", " Total travel days 16 (riding)"}));
    }

    void tunnelsJoinTheWorlds()
    {
        MemoryMap map;
        splitBySea(map);
        // Across the sea would be 20 days, but no step enters it on foot;
        // nor does the terrain rule step from ab 0 down into ac 0 (29
        // days): the worlds meet only where a route goes Up or Down. ab 0
        // and ab 2 have no routes known, so their steps follow the terrain.
        const RouteLines through = planFastestRoute(map.model, {0, 2}, {2, 2});
        QCOMPARE(through.lines,
                 (QStringList{"      to [aa 0] 7 Days (4)", "      to [ac 0] 1 Days (1)", "      to [ac 1] 7 Days (4)",
                              "      to [ac 2] 7 Days (4)", "      to [aa 2] 1 Days (1)", "      to [ab 2] 7 Days (4)",
                              " Total travel days 30", " Total travel days 18 (riding)"}));
        QCOMPARE(through.path, (QList<MapCoord>{{0, 1}, {0, 3}, {1, 3}, {2, 3}, {2, 1}, {2, 2}}));
        QCOMPARE(planRoute(map.model, {0, 2}, {2, 2}, true), through);

        // The fastest route may begin or end below the surface where the
        // cell's routes are known; the staircase may not, nor may any route
        // end in a tunnel no report reached.
        QCOMPARE(planRoute(map.model, {2, 2}, {1, 3}, true).lines,
                 (QStringList{"      to [aa 2] 7 Days (4)", "      to [ac 2] 1 Days (1)", "      to [ac 1] 7 Days (4)",
                              " Total travel days 15", " Total travel days 9 (riding)"}));
        QCOMPARE(planRoute(map.model, {1, 3}, {0, 2}, true).lines,
                 (QStringList{"      to [ac 0] 7 Days (4)", "      to [aa 0] 1 Days (1)", "      to [ab 0] 7 Days (4)",
                              " Total travel days 15", " Total travel days 9 (riding)"}));
        QCOMPARE(planRoute(map.model, {2, 2}, {1, 3}, false), refusedRoute("No route: [ac 1] is below the surface."));
        QCOMPARE(planRoute(map.model, {1, 3}, {0, 2}, false), refusedRoute("No route: [ac 1] is below the surface."));
        QCOMPARE(planRoute(map.model, {0, 2}, {4, 3}, true), refusedRoute("No route: [ac 4] is below the surface."));
        QCOMPARE(planFastestRoute(map.model, {4, 3}, {0, 2}),
                 refusedRoute("No fastest route: [ac 4] is not on the surface map."));
        QVERIFY(mayEndRoute(map.model, {1, 3}, true));
        QVERIFY(!mayEndRoute(map.model, {1, 3}, false));
        QVERIFY(mayEndRoute(map.model, {0, 2}, false));
    }

    void routesLeadingNowhereAreLeftOut()
    {
        // Routes to places the grid lacks, to undiscovered cells, to the
        // province itself or with days below zero (counted as none) cost
        // nothing and change nothing else.
        MemoryMap map;
        drawWorld(map, {"PPP"});
        listRoutes(map, "aa00", {{North, "zz07", 1}, {East, "aa01", -5}, {South, "ab", 1}, {West, "aa-1", 1},
                                 {Up, "aa99", 1}, {Down, "aa00", 1}});
        listRoutes(map, "aa02", {{North, "aa1000000000000", 1}, {West, "", 1}});
        QCOMPARE(planFastestRoute(map.model, {0, 1}, {2, 1}).lines,
                 (QStringList{"      to [aa 1] 0 Days (0)", "      to [aa 2] 7 Days (4)", " Total travel days 7",
                              " Total travel days 4 (riding)"}));
        QCOMPARE(planFastestRoute(map.model, {2, 1}, {0, 1}),
                 refusedRoute("No known route joins [aa 2] and [aa 0] over discovered land."));
        QCOMPARE(planFastestRoute(map.model, {0, 1}, {99, 1}),
                 refusedRoute("No fastest route: [aa 99] is not discovered yet."));

        // A province of a terrain the game does not know may be an end when
        // its routes are known, and is entered by a route: the route gives
        // the days.
        MemoryMap unknown;
        drawWorld(unknown, {"P?P"});
        listRoutes(unknown, "aa01", {{East, "aa02", 9}});
        listRoutes(unknown, "aa00", {{East, "aa01", 2}});
        QCOMPARE(planFastestRoute(unknown.model, {1, 1}, {2, 1}).lines,
                 (QStringList{"      to [aa 2] 9 Days (5)", " Total travel days 9", " Total travel days 5 (riding)"}));
        QCOMPARE(planFastestRoute(unknown.model, {0, 1}, {2, 1}).lines.mid(2),
                 (QStringList{" Total travel days 11", " Total travel days 6 (riding)"}));
        // Only a route leads into it: the terrain rule does not enter it.
        QCOMPARE(planFastestRoute(unknown.model, {2, 1}, {1, 1}),
                 refusedRoute("No known route joins [aa 2] and [aa 1] over discovered land."));
    }
};

QTEST_GUILESS_MAIN(KnownRouteTest)
#include "KnownRouteTest.moc"

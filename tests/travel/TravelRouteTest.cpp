// The route lines of travel mode, the drag that plans them and the fastest
// route over hand-made worlds whose best route is known.
#include "TravelWorld.h"
#include "travel/FastestRoute.h"
#include "travel/RouteDrag.h"
#include "travel/RoutePlanning.h"
#include "travel/RouteStart.h"
#include "travel/StaircaseRoute.h"
#include "view/DisplayModes.h"
#include "view/ParallelWorlds.h"
#include "view/ViewCommands.h"

#include <QtTest>
#include <functional>

using namespace arvenna;

namespace {
QPointF centreOf(const MapView& view, MapCoord cell)
{
    return view.cellRect(cell).center();
}
} // namespace

class TravelRouteTest : public QObject {
    Q_OBJECT

private slots:
    void staircaseLinesAndTotals()
    {
        MemoryMap map;
        useGameMovements(map);
        // From ab 3 to ac 6: a column step, a row step, then two column steps,
        // into movements 7, 3, 14 and 2.
        map.addProvince(4, 2, QStringLiteral("Greenvale"), kPlain);
        map.addProvince(4, 3, QStringLiteral("Saltwash"), kGreatSea);
        map.addProvince(5, 3, QStringLiteral("Mire"), kSwamp);
        map.addProvince(6, 3, QStringLiteral("Lane"), kSeaLane);
        QCOMPARE(travelStartLine(map.model, MapCoord{3, 2}), QStringLiteral("Travel From [ab 03]"));
        QCOMPARE(PlanTravel(map.model, MapCoord{3, 2}, MapCoord{6, 3}).lines,
                 (QStringList{"      to [ab 4] 7 Days (4)", "      to [ac 4] 3 Days (2)", "      to [ac 5] 14 Days (7)",
                              "      to [ac 6] 2 Days (1)", " Total travel days 26", " Total travel days 14 (riding)"}));

        // Along one row backwards, along one column: the start cell excluded,
        // the end included; undiscovered cells and a terrain the list lacks count 0.
        map.addProvince(12, 9, QStringLiteral("Unknown ground"), 42);
        map.addProvince(11, 9, QStringLiteral("Wood"), kForest);
        QCOMPARE(PlanTravel(map.model, MapCoord{13, 9}, MapCoord{10, 9}).lines,
                 (QStringList{"      to [ai 12] 0 Days (0)", "      to [ai 11] 8 Days (4)", "      to [ai 10] 0 Days (0)",
                              " Total travel days 8", " Total travel days 4 (riding)"}));
        QCOMPARE(PlanTravel(map.model, MapCoord{4, 4}, MapCoord{4, 1}).lines,
                 (QStringList{"      to [ac 4] 3 Days (2)", "      to [ab 4] 7 Days (4)", "      to [aa 4] 0 Days (0)",
                              " Total travel days 10", " Total travel days 6 (riding)"}));

        // A movement with a fraction is shown as it is; the foot total stays whole.
        map.model.TerrainsByID.Item(QStringLiteral("4")).TerrainMovement = 6.5;
        QCOMPARE(PlanTravel(map.model, MapCoord{3, 2}, MapCoord{4, 2}).lines,
                 (QStringList{"      to [ab 4] 6.5 Days (3)", " Total travel days 6", " Total travel days 3 (riding)"}));
    }

    void startLineIsReadBack()
    {
        MemoryMap map;
        QCOMPARE(routeStart(map.model, QStringLiteral("Travel From [ab 07]")), (std::optional<MapCoord>(MapCoord{7, 2})));
        QCOMPARE(routeStart(map.model, QStringLiteral("Travel From [dv 99]")),
                 (std::optional<MapCoord>(MapCoord{99, 100})));
        for (const char* unreadable : {"Travel From [ab07]", "Travel From [ab 07", "Travel From ab 07]",
                                       "Travel From [zz 07]", "Travel From [ab 7]", "", "[ab]07 x"})
            QCOMPARE(routeStart(map.model, QString::fromLatin1(unreadable)), std::nullopt);
    }

    void dragPlansOrCancels()
    {
        MemoryMap map;
        drawWorld(map, {"PPPP", "PPPP"});
        MapView& view = map.view;
        SetDisplayMode(view, kTravelMode);
        const QPointF ab01 = centreOf(view, {1, 2});
        const QPointF aa03 = centreOf(view, {3, 1});

        // Press, move, release elsewhere: the band follows, the end mark sits at its end.
        view.SelectedCoord = {1, 2};
        QCOMPARE(pressForRoute(view, map.model, ab01, true), std::optional<QString>("Travel From [ab 01]"));
        QCOMPARE(view.route, (RouteMarks{true, QLineF(ab01, ab01), true, {}, false, {}}));
        QVERIFY(moveRouteEnd(view, aa03 + QPointF(20, 10)));
        RouteRelease release = releaseRoute(view, map.model, aa03, QStringLiteral("Travel From [ab 01]"), false);
        QCOMPARE(release.action, RouteRelease::Action::AppendLines);
        QCOMPARE(release.route.lines,
                 (QStringList{"      to [ab 2] 7 Days (4)", "      to [aa 2] 7 Days (4)", "      to [aa 3] 7 Days (4)",
                              " Total travel days 21", " Total travel days 12 (riding)"}));
        QCOMPARE(view.route, (RouteMarks{false, QLineF(ab01, aa03 + QPointF(20, 10)), true, aa03 + QPointF(20, 10), true, {}}));
        // A later release with no route started only hides the marks.
        QCOMPARE(releaseRoute(view, map.model, aa03, QStringLiteral("Travel From [ab 01]"), false).action,
                 RouteRelease::Action::None);
        QVERIFY(!view.route.line1Visible && !view.route.shape10Visible);
        QVERIFY(!moveRouteEnd(view, aa03));

        // A release in the start cell takes the start line back.
        pressForRoute(view, map.model, ab01, true);
        release = releaseRoute(view, map.model, ab01 + QPointF(100, 100), QStringLiteral("Travel From [ab 01]"), false);
        QCOMPARE(release.action, RouteRelease::Action::RemoveStartLine);
        QVERIFY(!view.route.started && !view.route.line1Visible && !view.route.shape10Visible);

        // An unreadable start line plans nothing; a release off the grid cancels.
        pressForRoute(view, map.model, ab01, true);
        QCOMPARE(releaseRoute(view, map.model, aa03, QStringLiteral("Travel From [ab01]"), false).action,
                 RouteRelease::Action::None);
        QVERIFY(!view.route.started);
        pressForRoute(view, map.model, ab01, true);
        QCOMPARE(releaseRoute(view, map.model, QPointF(-50, 40), QStringLiteral("Travel From [ab 01]"), false).action,
                 RouteRelease::Action::None);
        QCOMPARE(view.route, (RouteMarks{false, QLineF(ab01, ab01), false, view.route.shape10Centre, false, {}}));

        // A second press, a right press, a press below the surface, Escape and
        // a mode change each cancel a route started.
        const auto started = [&] {
            view.SelectedCoord = {1, 2};
            return pressForRoute(view, map.model, ab01, true).has_value() && view.route.started;
        };
        QVERIFY(started());
        QCOMPARE(pressForRoute(view, map.model, aa03, true), std::nullopt);
        QVERIFY(!view.route.started && !view.route.line1Visible);
        QCOMPARE(pressForRoute(view, map.model, ab01, false), std::nullopt);
        QVERIFY(!view.route.started);
        view.UndergroundRow = 1;
        QCOMPARE(pressForRoute(view, map.model, ab01, true), std::nullopt);
        view.UndergroundRow = 100;
        QVERIFY(started());
        cancelRoute(view);
        QVERIFY(!view.route.started && !view.route.line1Visible);
        QVERIFY(started());
        SetDisplayMode(view, kTravelMode);
        QCOMPARE(view.route, RouteMarks{});
    }

    void fastestRouteOverKnownLand()
    {
        // A mountain range with the sea south of it: the road round by the
        // north beats the straight line, 56 days against 57.
        MemoryMap map;
        drawWorld(map, {"PPPPPPP",
                        "PMMMMMP",
                        "OOOOOOO"});
        const MapCoord ab00{0, 2}, ab06{6, 2};
        QCOMPARE(PlanTravel(map.model, ab00, ab06).lines.mid(6),
                 (QStringList{" Total travel days 57", " Total travel days 29 (riding)"}));
        const RouteLines fastest = planFastestRoute(map.model, ab00, ab06);
        QCOMPARE(fastest.lines,
                 (QStringList{"      to [aa 0] 7 Days (4)", "      to [aa 1] 7 Days (4)", "      to [aa 2] 7 Days (4)",
                              "      to [aa 3] 7 Days (4)", "      to [aa 4] 7 Days (4)", "      to [aa 5] 7 Days (4)",
                              "      to [aa 6] 7 Days (4)", "      to [ab 6] 7 Days (4)", " Total travel days 56",
                              " Total travel days 32 (riding)"}));
        QVERIFY(fastest.found);

        // Ends at sea, undiscovered or below the surface are refused; land
        // that only the sea joins has no route.
        MemoryMap islands;
        drawWorld(islands, {"POP", ".S.", "P.P"});
        islands.model.UndergroundRow = 2;
        const auto refusal = [&](MapCoord from, MapCoord to) { return planFastestRoute(islands.model, from, to); };
        QCOMPARE(refusal({1, 1}, {0, 1}), refusedRoute("No fastest route: [aa 1] is at sea."));
        QCOMPARE(refusal({0, 1}, {0, 2}), refusedRoute("No fastest route: [ab 0] is not discovered yet."));
        QCOMPARE(refusal({0, 1}, {0, 3}), refusedRoute("No fastest route: [ac 0] is not on the surface map."));
        QCOMPARE(refusal({0, 1}, {2, 1}),
                 refusedRoute("No known route joins [aa 0] and [aa 2] over discovered land."));

        // On a flat plain every shortest route costs what the staircase does,
        // and of the many the same one is chosen every time.
        MemoryMap plain;
        drawWorld(plain, QStringList(6, QStringLiteral("PPPPPP")));
        const RouteLines across = planFastestRoute(plain.model, {0, 1}, {5, 6});
        QCOMPARE(across.lines.size(), 12);
        QCOMPARE(across.lines.mid(10), PlanTravel(plain.model, {0, 1}, {5, 6}).lines.mid(10));
        QCOMPARE(across.lines.mid(10), (QStringList{" Total travel days 70", " Total travel days 40 (riding)"}));
        QCOMPARE(planFastestRoute(plain.model, {0, 1}, {5, 6}), across);
    }

    void unknownTerrainIsNeverCrossed()
    {
        // Provinces of unknown terrain cost nothing: a route through them
        // would be the cheapest of all. Ends there are refused, and the way
        // round them is taken.
        MemoryMap map;
        drawWorld(map, {"P?PXP",
                        "PPPPP"});
        const auto fastest = [&](MapCoord from, MapCoord to) { return planFastestRoute(map.model, from, to); };
        QCOMPARE(fastest({0, 1}, {1, 1}),
                 refusedRoute("No fastest route: the terrain of [aa 1] is unknown."));
        QCOMPARE(fastest({3, 1}, {0, 1}),
                 refusedRoute("No fastest route: the terrain of [aa 3] is unknown."));
        const RouteLines round = fastest({0, 1}, {4, 1});
        QCOMPARE(round.lines,
                 (QStringList{"      to [ab 0] 7 Days (4)", "      to [ab 1] 7 Days (4)", "      to [ab 2] 7 Days (4)",
                              "      to [ab 3] 7 Days (4)", "      to [ab 4] 7 Days (4)", "      to [aa 4] 7 Days (4)",
                              " Total travel days 42", " Total travel days 24 (riding)"}));
        QCOMPARE(round.path, (QList<MapCoord>{{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {4, 1}}));
        // Without the detour there is no route at all.
        MemoryMap cut;
        drawWorld(cut, {"P?P"});
        QCOMPARE(planFastestRoute(cut.model, {0, 1}, {2, 1}),
                 refusedRoute("No known route joins [aa 0] and [aa 2] over discovered land."));

        // Sea is told by the terrain id, whatever the table calls it; the
        // worlds' terrains are land wherever they lie.
        MemoryMap renamed;
        drawWorld(renamed, {"PSP", "POP", "PCP"});
        renamed.model.TerrainsByID.Item(QStringLiteral("2")).TerrainDesc = QStringLiteral("Strait");
        renamed.model.TerrainsByID.Item(QStringLiteral("4")).TerrainDesc = QStringLiteral("Great Sea");
        QCOMPARE(planFastestRoute(renamed.model, {1, 1}, {0, 1}).lines,
                 QStringList{"No fastest route: [aa 1] is at sea."});
        QCOMPARE(planFastestRoute(renamed.model, {0, 1}, {2, 1}).path,
                 (QList<MapCoord>{{0, 2}, {0, 3}, {1, 3}, {2, 3}, {2, 2}, {2, 1}}));
    }

    void routesStayOnTheSurface()
    {
        // Row 3 is the first row below the surface.
        MemoryMap map;
        drawWorld(map, {"PP", "PP", "PP"});
        map.model.UndergroundRow = 2;
        for (const bool fastest : {false, true}) {
            QCOMPARE(planRoute(map.model, {0, 1}, {1, 3}, fastest),
                     refusedRoute("No route: [ac 1] is below the surface."));
            QCOMPARE(planRoute(map.model, {0, 3}, {1, 1}, fastest),
                     refusedRoute("No route: [ac 0] is below the surface."));
            QCOMPARE(planRoute(map.model, {0, 1}, {1, 2}, fastest).lines.mid(2),
                     (QStringList{" Total travel days 14", " Total travel days 8 (riding)"}));
        }
        QVERIFY(onSurface(map.model, {1, 2}));
        QVERIFY(!onSurface(map.model, {1, 3}));
        QVERIFY(!onSurface(map.model, {1, 0}));

        // A drag ending below the surface adds the line saying why.
        map.view.UndergroundRow = 2;
        SetDisplayMode(map.view, kTravelMode);
        map.view.SelectedCoord = {0, 1};
        pressForRoute(map.view, map.model, centreOf(map.view, {0, 1}), true);
        const RouteRelease release = releaseRoute(map.view, map.model, centreOf(map.view, {1, 3}),
                                                  QStringLiteral("Travel From [aa 00]"), true);
        QCOMPARE(release.action, RouteRelease::Action::AppendLines);
        QCOMPARE(release.route, refusedRoute("No route: [ac 1] is below the surface."));
        QCOMPARE(map.view.route.pathCells, QList<QRectF>{});
    }

    void marksShowTheFastestPathUntilTheWindowMoves()
    {
        MemoryMap map;
        drawWorld(map, {"PPP", "OOP", "PPP"});
        MapView& view = map.view;
        SetDisplayMode(view, kTravelMode);
        const auto route = [&](bool fastest) {
            view.SelectedCoord = {0, 1};
            pressForRoute(view, map.model, centreOf(view, {0, 1}), true);
            return releaseRoute(view, map.model, centreOf(view, {0, 3}), QStringLiteral("Travel From [aa 00]"),
                                fastest);
        };
        // Which figures show: the band, the ring and the path's outlines.
        const auto shown = [&] {
            return QList<bool>{view.route.started, view.route.line1Visible, view.route.shape10Visible,
                               !view.route.pathCells.isEmpty()};
        };
        // The staircase keeps to the band and the ring; the fastest route
        // outlines the cells it enters, 300 twips each at 30 cells a side.
        route(false);
        QCOMPARE(shown(), (QList<bool>{false, true, true, false}));
        QCOMPARE(route(true).route.path, (QList<MapCoord>{{1, 1}, {2, 1}, {2, 2}, {2, 3}, {1, 3}, {0, 3}}));
        QCOMPARE(view.route.pathCells,
                 (QList<QRectF>{QRectF(300, 0, 300, 300), QRectF(600, 0, 300, 300), QRectF(600, 300, 300, 300),
                                QRectF(600, 600, 300, 300), QRectF(300, 600, 300, 300), QRectF(0, 600, 300, 300)}));
        QCOMPARE(shown(), (QList<bool>{false, true, true, true}));
        // The next press starts afresh.
        view.SelectedCoord = {0, 1};
        pressForRoute(view, map.model, centreOf(view, {0, 1}), true);
        QCOMPARE(shown(), (QList<bool>{true, true, false, false}));
        cancelRoute(view);
        QCOMPARE(shown(), (QList<bool>{false, false, false, false}));

        // Every move or zoom of the window drops the marks: they would lie
        // over other cells. A scroll that cannot move keeps them.
        const std::function<ViewChange()> moves[] = {
            [&] { return Command1Click(view, 1); },  [&] { return Command2Click(view, 1); },
            [&] { return scrollBy(view, 5, 5); },    [&] { return MapSizeClick(view, 4); },
            [&] { return stepZoom(view, -1); },      [&] { return MapSizeClick(view, view.CheckedZoom); },
        };
        for (const auto& move : moves) {
            route(true);
            QCOMPARE(shown(), (QList<bool>{false, true, true, true}));
            QVERIFY(move().redrawMap);
            QCOMPARE(shown(), (QList<bool>{false, false, false, false}));
            placeWindow(view, 0, 0);
        }
        route(true);
        QCOMPARE(Command1Click(view, 0), ViewChange{});
        QCOMPARE(shown(), (QList<bool>{false, true, true, true}));
    }
};

QTEST_GUILESS_MAIN(TravelRouteTest)
#include "TravelRouteTest.moc"

// Moving the map window: the frame dragged on the overview, the jumps to
// the parallel worlds and the scrolling down to the grid's last row.
#include "MemoryMap.h"
#include "TestHome.h"
#include "view/GameOpening.h"
#include "view/OpenedGame.h"
#include "view/OverviewDrag.h"
#include "view/ParallelWorlds.h"

#include <QProcess>
#include <QtTest>

using namespace arvenna;

namespace {
// Drops the frame after a press at one point and a move to another; the
// window's origin and the frame's corner after the drop.
struct Drop {
    int X0;
    int Y0;
    QPointF frame;
    bool operator==(const Drop&) const = default;
};

Drop drag(MapView& view, QPointF press, QPointF to)
{
    OverviewDrag frame;
    frame.press(view, press);
    frame.move(view, to);
    const ViewChange change = frame.release(view);
    if (change != ViewChange{true, true, false})
        qFatal("a drop redraws the map with its rulers");
    return {view.X0, view.Y0, view.Shape1.topLeft()};
}

char *toString(const Drop& drop)
{
    return QTest::toString(QStringLiteral("X0 %1 Y0 %2 frame %3,%4")
                               .arg(drop.X0).arg(drop.Y0).arg(drop.frame.x()).arg(drop.frame.y()));
}

// The worlds below the surface: rows 101 to 120, and the terrains by name.
void addOtherWorlds(MemoryMap& map)
{
    for (int y = 101; y <= 120; ++y) {
        map.model.YCoordsByNum.Add(qint16(y), rowCodeOf(y), QString::number(y));
        map.model.YCoordsByCode.Add(qint16(y), rowCodeOf(y), rowCodeOf(y));
    }
    for (const ClassTerrain& terrain : map.model.TerrainsByID) {
        if (terrain.TerrainId != 0 && terrain.TerrainDesc != QLatin1String("Faery"))
            map.model.TerrainsByDesc.Add(terrain.TerrainId, terrain.TerrainDesc, terrain.TerrainMovement,
                                         terrain.TerrainColor, terrain.TerrainDesc);
    }
    mapOpened(map.view, map.model);
}
} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void frameDropsSnapInside()
    {
        // 100 columns on a 3000-twip overview: cells of 30, a frame of 900.
        MemoryMap map;
        MapView& view = map.view;
        QCOMPARE(drag(view, {1500, 1500}, {1500, 1500}), (Drop{35, 35, {1050, 1050}}));
        QCOMPARE(drag(view, {1500, 1500}, {1600, 1450}), (Drop{38, 33, {1150, 1000}}));
        // Each edge crossed puts the window at the last full one along it.
        QCOMPARE(drag(view, {100, 1500}, {100, 1500}), (Drop{0, 35, {0, 1050}}));
        QCOMPARE(drag(view, {2900, 1500}, {2900, 1500}), (Drop{70, 35, {2100, 1050}}));
        QCOMPARE(drag(view, {1500, 100}, {1500, 100}), (Drop{35, 0, {1050, 0}}));
        QCOMPARE(drag(view, {1500, 2990}, {1500, 2990}), (Drop{35, 70, {1050, 2100}}));
        // Dragged far beyond the picture, out of the window even.
        QCOMPARE(drag(view, {1500, 1500}, {-5000, 9000}), (Drop{0, 70, {0, 2100}}));
        QCOMPARE(drag(view, {1500, 1500}, {1e9, -1e9}), (Drop{70, 0, {2100, 0}}));
        // A frame as large as the picture has one place only.
        SetZoom(view, 0);
        QCOMPARE(drag(view, {1600, 1400}, {1600, 1400}), (Drop{0, 0, {0, 0}}));

        // A grid narrower than the window keeps its first column at the left.
        SetZoom(view, 3);
        view.ColumnCount = 20;
        QCOMPARE(drag(view, {2900, 1500}, {2900, 1500}).X0, 0);
        view.ColumnCount = 100;

        // A release without a grab, or a drag with no map, moves nothing.
        const QRectF dropped = view.Shape1;
        OverviewDrag frame;
        QCOMPARE(frame.release(view), ViewChange{});
        QVERIFY(!frame.move(view, {10, 10}));
        mapClosed(view);
        frame.press(view, {1500, 1500});
        QCOMPARE(frame.release(view), ViewChange{});
        QCOMPARE(view.Shape1, dropped);
    }

    void parallelWorldsShowTheirFirstRow()
    {
        MemoryMap map;
        map.addProvince(40, 105, QStringLiteral("Deep Way"), 11);
        map.addProvince(12, 103, QStringLiteral("Old Shaft"), 11);
        map.addProvince(80, 110, QStringLiteral("Skyhold"), 8);
        map.addProvince(5, 5, QStringLiteral("High Meadow"), 8); // the world's terrain on the surface
        map.addProvince(70, 119, QStringLiteral("Ash Gate"), 9);
        map.addProvince(7, 112, QStringLiteral("Glade"), 10);
        addOtherWorlds(map);
        MapView& view = map.view;
        QCOMPARE(view.GridRowCount, 120);
        const auto origin = [&view] { return QList<int>{view.X0, view.Y0}; };

        // Near the grid's end the window stops at its last full place.
        QCOMPARE(showParallelWorld(view, map.model, 0).change, (ViewChange{true, true, true}));
        QCOMPARE(origin(), (QList<int>{0, 90}));
        // Presses there find the world's provinces; the arrows go back and
        // forth by the same steps.
        QCOMPARE(view.coordAt({12 * 300 + 1, 12 * 300 + 1}), (std::optional<MapCoord>(MapCoord{12, 103})));
        QCOMPARE(Command2Click(view, 1), ViewChange{});
        QCOMPARE(Command2Click(view, 0), (ViewChange{true, true, true}));
        QCOMPARE(view.Y0, 89);
        QCOMPARE(Command2Click(view, 1), (ViewChange{true, true, true}));
        QCOMPARE(view.Y0, 90);

        // The first row holding the world's terrain may be a surface row.
        QVERIFY(showParallelWorld(view, map.model, 1).message.isEmpty());
        QCOMPARE(origin(), (QList<int>{0, 4}));
        // A world's province outside the columns shown brings its column in;
        // at every zoom the window ends at the grid's last row, that province's.
        const QList<QList<int>> hades{{0, 20}, {0, 45}, {45, 70}, {55, 90}, {63, 105}};
        for (int zoom = 0; zoom < 5; ++zoom) {
            MapSizeClick(view, zoom);
            showParallelWorld(view, map.model, 2);
            QCOMPARE(origin(), hades.at(zoom));
            QCOMPARE(view.YEnd(), 120);
        }

        // A game whose terrain list lacks Faery knows none of its provinces.
        const WorldJump jump = showParallelWorld(view, map.model, 3);
        QCOMPARE(jump.change, ViewChange{});
        QCOMPARE(jump.message, QStringLiteral("No province of Faery is known yet."));
        QCOMPARE(origin(), hades.at(4));
        QCOMPARE(showParallelWorld(view, map.model, 4).change, ViewChange{});
        MemoryMap empty;
        addOtherWorlds(empty);
        QCOMPARE(showParallelWorld(empty.view, empty.model, 2).message,
                 QStringLiteral("No province of Hades is known yet."));
    }

    void selectingAProvinceBringsItIntoView()
    {
        MemoryMap map;
        addOtherWorlds(map);
        MapView& view = map.view;
        const auto select = [&](const QString& code) {
            const ViewChange change = selectProvince(view, map.model, code);
            return QStringList{QString::number(change.redrawMap), QString::number(change.rebuildRulers),
                               QString::number(change.refreshPanel), QString::number(view.X0),
                               QString::number(view.Y0), QString::number(view.SelectedCoord.X),
                               QString::number(view.SelectedCoord.Y)};
        };
        // In view: selected where the window is.
        QCOMPARE(select("ab07"), (QStringList{"0", "0", "1", "0", "0", "7", "2"}));
        QCOMPARE(select("ad29"), (QStringList{"0", "0", "1", "0", "0", "29", "4"}));
        // Out of view: the window moves to have it in its middle, then stays
        // for a neighbour; by the grid's edges it goes as far as it can.
        QCOMPARE(select("bx50"), (QStringList{"1", "1", "1", "35", "34", "50", "50"}));
        QCOMPARE(select("bx51"), (QStringList{"0", "0", "1", "35", "34", "51", "50"}));
        QCOMPARE(select("dv99"), (QStringList{"1", "1", "1", "70", "84", "99", "100"}));
        QCOMPARE(select("aa00"), (QStringList{"1", "1", "1", "0", "0", "0", "1"}));
        // Below the surface: the rows of the other worlds.
        QCOMPARE(select(rowCodeOf(105) + "40"), (QStringList{"1", "1", "1", "25", "89", "40", "105"}));
        QCOMPARE(select(rowCodeOf(120) + "40"), (QStringList{"1", "1", "1", "25", "90", "40", "120"}));
        // A code the grid lacks changes nothing; nor does any with no map open.
        for (const QString code : {"zz07", "ab", "", "ab-1", "ab100", "abx"})
            QCOMPARE(select(code), (QStringList{"0", "0", "0", "25", "90", "40", "120"}));
        mapClosed(view);
        QCOMPARE(select("ab07"), (QStringList{"0", "0", "0", "25", "90", "40", "120"}));
    }

    void everyRowIsReachedAtEveryZoom()
    {
        MemoryMap map;
        addOtherWorlds(map);
        MapView& view = map.view;
        // The rows the window starts at while Page Down moves it a screen at a time.
        const QList<QList<int>> pages{{20}, {45}, {50, 70}, {30, 60, 90}, {15, 30, 45, 60, 75, 90, 105}};
        for (int zoom = 0; zoom < 5; ++zoom) {
            MapSizeClick(view, zoom);
            placeWindow(view, 0, 0);
            const int last = 120 - kZoomCells[std::size_t(zoom)];
            // Down arrows to the end, its last row at the bottom of the map, then back up.
            int down = 0;
            while (Command2Click(view, 1).redrawMap)
                ++down;
            const int lastShown = view.Y0;
            const std::optional<MapCoord> bottom = view.coordAt({1, view.MapHeight - 1});
            int up = 0;
            while (Command2Click(view, 0).redrawMap)
                ++up;
            QCOMPARE((QList<int>{down, lastShown, int(bottom.value_or(MapCoord{}).Y), up, view.Y0}),
                     (QList<int>{last, last, 120, last, 0}));

            QList<int> starts;
            while (scrollBy(view, 0, view.YCells).redrawMap)
                starts << view.Y0;
            QCOMPARE(starts, pages.at(zoom));
            starts.clear();
            while (scrollBy(view, 0, -view.YCells).redrawMap)
                starts << view.Y0;
            QCOMPARE(starts.value(starts.size() - 1, -1), 0);
        }
    }

    void worldsOfTheSyntheticWorld()
    {
        // The generated full world: Cloudland patches on the surface only,
        // Hades, Faery and tunnels in rows 101 to 104.
        const TestHome home;
        const QString path = home.file(QStringLiteral("World.mdb"));
        QCOMPARE(QProcess::execute(QStringLiteral(ARVENNA_MAKE_WORLD), {path}), 0);
        OpenedGame game;
        auto& [session, model, view] = game;
        QCOMPARE(openGame(path, session, model, view), GameSession::OpenResult::Opened);
        QCOMPARE(view.GridRowCount, 120);
        for (int world = 0; world < 4; ++world) {
            // The database's own answer: the lowest row of the world's terrain.
            const qint16 terrain = model.TerrainsByDesc.Item(parallelWorlds()[std::size_t(world)].terrain).TerrainId;
            const QStringList first =
                queryRows(path, QStringLiteral("SELECT MIN(YORD) FROM PROVINCIAS WHERE TERRAINID = %1").arg(terrain));
            const int row = first.value(0).toInt();
            QVERIFY2(row > 0, qPrintable(first.join(u',')));
            for (int zoom = 0; zoom < 5; ++zoom) {
                MapSizeClick(view, zoom);
                QCOMPARE(showParallelWorld(view, model, world).message, QString());
                // The row on top, or as near as the grid's end allows; never a row past it.
                QCOMPARE(view.Y0, std::min(row - 1, 120 - view.YCells));
                QVERIFY(view.YEnd() <= 120);
            }
        }
    }
};

QTEST_GUILESS_MAIN(NavigationTest)
#include "NavigationTest.moc"

// Moving the map window: the frame dragged on the overview and the jumps to
// the parallel worlds below the surface rows.
#include "MemoryMap.h"
#include "view/OverviewDrag.h"
#include "view/ParallelWorlds.h"

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
        map.addProvince(5, 5, QStringLiteral("High Meadow"), 8); // on the surface: not the world's
        map.addProvince(7, 112, QStringLiteral("Glade"), 10);
        addOtherWorlds(map);
        MapView& view = map.view;
        QCOMPARE(view.GridRowCount, 120);

        QCOMPARE(showParallelWorld(view, map.model, 0).change, (ViewChange{true, true, true}));
        QCOMPARE((QList<int>{view.X0, view.Y0}), (QList<int>{0, 102}));
        // Presses there find the world's provinces; the window may scroll back up.
        QCOMPARE(view.coordAt({12 * 300 + 1, 1}), (std::optional<MapCoord>(MapCoord{12, 103})));
        QCOMPARE(Command2Click(view, 1), ViewChange{});
        QCOMPARE(Command2Click(view, 0), (ViewChange{true, true, true}));
        QCOMPARE(view.Y0, 101);

        // A world's province outside the columns shown brings its column in.
        QVERIFY(showParallelWorld(view, map.model, 1).message.isEmpty());
        QCOMPARE((QList<int>{view.X0, view.Y0}), (QList<int>{65, 109}));

        // No Hades province known, and a game whose terrain list lacks Faery.
        for (int world : {2, 3}) {
            const WorldJump jump = showParallelWorld(view, map.model, world);
            QCOMPARE(jump.change, ViewChange{});
            QCOMPARE(jump.message, QStringLiteral("No province of %1 is known yet.").arg(parallelWorlds()[world].name));
            QCOMPARE((QList<int>{view.X0, view.Y0}), (QList<int>{65, 109}));
        }
        QCOMPARE(showParallelWorld(view, map.model, 4).change, ViewChange{});
    }
};

QTEST_GUILESS_MAIN(NavigationTest)
#include "NavigationTest.moc"

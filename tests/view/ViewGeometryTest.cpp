// Where the map window puts cells, marks, labels and the underground bar,
// and how zoom, scrolling and a press on the map move it.
#include "MemoryMap.h"
#include "view/MapPictures.h"
#include "view/MapRenderer.h"
#include "view/Twips.h"
#include "view/ViewCommands.h"

#include <QtTest>

using namespace arvenna;

namespace {
// The column numbers, or with `rows` the row numbers, whose ruler band holds label pixels.
QList<int> labelled(const MapPictures& pictures, const MapView& view, bool rows = false)
{
    const double cell = rows ? view.CellHeight() : view.CellWidth();
    QList<int> numbers;
    for (int k = 0; k < (rows ? view.YCells : view.XCells); ++k) {
        const int from = toPixel(k * cell) + 1;
        const int length = toPixel((k + 1) * cell) - from;
        if (rows ? hasColour(pictures.rowRuler, QRect(0, from, 16, length), paletteColour16(8))
                 : hasColour(pictures.columnRuler, QRect(from, 0, length, 16), paletteColour16(8)))
            numbers << (rows ? view.Y0 + 1 : view.X0) + k;
    }
    return numbers;
}

// The map window drawn from the given first row: the bar colour when the
// underground bar shows anywhere (transparent when not), then the
// colours at the given pixels.
QList<QColor> mapAtRow(MemoryMap& map, int y0, const QList<QPoint>& pixels)
{
    map.view.Y0 = y0;
    MapPictures pictures;
    pictures.DrawMapWindow(map.model, map.view, false);
    const QColor bar = paletteColour16(4);
    QList<QColor> colours{hasColour(pictures.map, pictures.map.rect(), bar) ? bar : QColor(Qt::transparent)};
    for (const QPoint& pixel : pixels)
        colours << pictures.map.pixelColor(pixel);
    return colours;
}
} // namespace

class ViewGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void cellsAndMarksLieOnTheirGrid()
    {
        MemoryMap map;
        QCOMPARE(map.view.zoomText(), QStringLiteral("30"));
        map.view.X0 = 10;
        map.view.Y0 = 20;
        QCOMPARE(map.view.cellRect(MapCoord{12, 24}), QRectF(600, 900, 300, 300));
        QCOMPARE(map.view.cellPoint(MapCoord{12, 24}, 6, 11), QPointF(750, 1200));
        QCOMPARE(map.view.cellPoint(MapCoord{12, 24}, 2.4, 0), QPointF(660, 900));

        // A press anywhere in a cell finds it; outside the grid or with no map nothing.
        QCOMPARE(map.view.coordAt({0, 0}), (std::optional<MapCoord>(MapCoord{10, 21})));
        QCOMPARE(map.view.coordAt({899, 301}), (std::optional<MapCoord>(MapCoord{12, 22})));
        QCOMPARE(map.view.coordAt({8999, 8999}), (std::optional<MapCoord>(MapCoord{39, 50})));
        QCOMPARE(map.view.coordAt({9000, 10}), std::nullopt);
        QCOMPARE(map.view.coordAt({10, -1}), std::nullopt);
        mapClosed(map.view);
        QCOMPARE(map.view.coordAt({10, 10}), std::nullopt);

        // Pixels: 15 twips each, and one more for the closing outline.
        MemoryMap fresh;
        MapPictures pictures;
        pictures.layOut(fresh.view);
        QCOMPARE((QList<QSize>{pictures.map.size(), pictures.columnRuler.size(), pictures.rowRuler.size(),
                               pictures.mapWindow().size()}),
                 (QList<QSize>{{601, 601}, {601, 16}, {16, 601}, {618, 618}}));
        pictures.DrawMapWindow(fresh.model, fresh.view, true);
        // Undiscovered cells: light grey inside, black outline every 20 pixels.
        QCOMPARE((QList<QColor>{pictures.map.pixelColor(10, 10), pictures.map.pixelColor(20, 10),
                                pictures.map.pixelColor(600, 600)}),
                 (QList<QColor>{paletteColour16(7), paletteColour16(0), paletteColour16(0)}));
    }

    void rulersLabelEveryFifthFromThirtyCells()
    {
        MemoryMap map;
        MapPictures pictures;
        map.view.X0 = 3;
        map.view.Y0 = 7;
        pictures.DrawMapWindow(map.model, map.view, true);
        QCOMPARE(labelled(pictures, map.view), (QList<int>{5, 10, 15, 20, 25, 30}));
        QCOMPARE(labelled(pictures, map.view, true), (QList<int>{10, 15, 20, 25, 30, 35}));

        MapSizeClick(map.view, 4);
        map.view.X0 = 3;
        pictures.DrawMapWindow(map.model, map.view, true);
        QCOMPARE(labelled(pictures, map.view).size(), 15);
        QCOMPARE(labelled(pictures, map.view, true).size(), 15);

        // A mode change redraws the map alone: the rulers keep their picture.
        const QImage rulers = pictures.columnRuler;
        map.view.X0 = 40;
        pictures.DrawMapWindow(map.model, map.view, false);
        QCOMPARE(pictures.columnRuler, rulers);
    }

    void undergroundBarOnlyWhileItsBoundaryIsInside()
    {
        const QColor bar = paletteColour16(4);
        const QColor grey = paletteColour16(7);
        MemoryMap map;
        // The window's bottom edge is the boundary: the bar along the last pixels.
        QCOMPARE(mapAtRow(map, 70, {{300, 599}, {300, 600}, {310, 598}}), (QList<QColor>{bar, bar, bar, grey}));
        QCOMPARE(mapAtRow(map, 69, {}), QList<QColor>{Qt::transparent});

        // A boundary inside the window: a bar across the whole map on the row's top edge.
        map.view.UndergroundRow = 50;
        QCOMPARE(mapAtRow(map, 40, {{0, 200}, {600, 200}, {310, 202}}), (QList<QColor>{bar, bar, bar, grey}));
        QCOMPARE(mapAtRow(map, 50, {}), QList<QColor>{bar}); // the top edge
        QCOMPARE(mapAtRow(map, 51, {}), QList<QColor>{Qt::transparent});
    }

    void scrollingStaysInsideTheGrid()
    {
        MemoryMap map;
        const auto origin = [&view = map.view] { return QList<int>{view.X0, view.Y0}; };
        QCOMPARE(Command1Click(map.view, 0), ViewChange{});
        QCOMPARE(Command1Click(map.view, 1), (ViewChange{true, true, true}));
        QCOMPARE(origin(), (QList<int>{1, 0}));
        QCOMPARE(map.view.Shape1, QRectF(30, 0, 900, 900));
        for (int i = 0; i < 80; ++i) {
            Command1Click(map.view, 1);
            Command2Click(map.view, 1);
        }
        QCOMPARE(origin(), (QList<int>{70, 70}));
        QCOMPARE(Command2Click(map.view, 1), ViewChange{});
        QCOMPARE(Command2Click(map.view, 0), (ViewChange{true, true, true}));
        QCOMPARE(Command2Click(map.view, 2), ViewChange{});
        QCOMPARE(origin(), (QList<int>{70, 69}));

        // A world narrower than the window never scrolls to a negative origin.
        MemoryMap narrow;
        narrow.view.ColumnCount = 20;
        QCOMPARE(Command1Click(narrow.view, 1), ViewChange{});
        QCOMPARE(narrow.view.X0, 0);

        mapClosed(map.view);
        QCOMPARE(Command1Click(map.view, 0), ViewChange{});
        QCOMPARE(origin(), (QList<int>{70, 69}));
    }

    void zoomKeepsTheOriginOnlyWhenUnchanged()
    {
        MemoryMap map;
        Command1Click(map.view, 1);
        Command2Click(map.view, 1);
        Command2Click(map.view, 1);
        const auto zoom = [&view = map.view] {
            return QList<int>{view.XCells, view.YCells, view.X0, view.Y0, view.CheckedZoom};
        };
        QCOMPARE(MapSizeClick(map.view, 3), (ViewChange{true, true, true}));
        QCOMPARE(zoom(), (QList<int>{30, 30, 1, 2, 3}));
        QCOMPARE(MapSizeClick(map.view, 0), (ViewChange{true, true, true}));
        QCOMPARE(zoom(), (QList<int>{100, 100, 0, 0, 0}));
        QCOMPARE(map.view.Shape1, QRectF(0, 0, 3000, 3000));

        QCOMPARE(MapSizeClick(map.view, 5), ViewChange{});
        QCOMPARE(MapSizeClick(map.view, -1), ViewChange{});
        mapClosed(map.view);
        QCOMPARE(MapSizeClick(map.view, 4), ViewChange{});
        QCOMPARE(zoom(), (QList<int>{100, 100, 0, 0, 0}));
    }

    void selectionMarksAreErasedAtTheSameZoom()
    {
        MemoryMap map;
        MapPictures pictures;
        pictures.DrawMapWindow(map.model, map.view, true);
        const MapPictures before = pictures;
        pictures.markSelection(map.model, map.view, MapCoord{6, 8}, true);
        // Column 6 and row 8 bands dark grey with their labels light grey; cell framed.
        QCOMPARE(pictures.columnRuler.pixelColor(121, 1), paletteColour16(8));
        QVERIFY(hasColour(pictures.columnRuler, QRect(121, 0, 18, 16), paletteColour16(7)));
        QCOMPARE(pictures.rowRuler.pixelColor(1, 141), paletteColour16(8));
        // Top and left edges white, right and bottom dark grey.
        QCOMPARE((QList<QColor>{pictures.map.pixelColor(125, 140), pictures.map.pixelColor(120, 150),
                                pictures.map.pixelColor(140, 150), pictures.map.pixelColor(125, 160)}),
                 (QList<QColor>{paletteColour16(15), paletteColour16(15), paletteColour16(8), paletteColour16(8)}));
        QCOMPARE(map.view.LastMarks.zoomText, QStringLiteral("30"));

        // The next selection puts the old bands and the outline back.
        pictures.markSelection(map.model, map.view, MapCoord{20, 3}, false);
        QCOMPARE(pictures.map, before.map);
        QCOMPARE(pictures.columnRuler, before.columnRuler);
        QCOMPARE(pictures.rowRuler, before.rowRuler);

        // After a zoom change the old marks are gone with the redraw, not erased.
        pictures.markSelection(map.model, map.view, MapCoord{6, 8}, true);
        MapSizeClick(map.view, 4);
        pictures.DrawMapWindow(map.model, map.view, true);
        const QImage redrawn = pictures.columnRuler;
        pictures.markSelection(map.model, map.view, MapCoord{60, 60}, true);
        QCOMPARE(pictures.columnRuler, redrawn);
    }
};

QTEST_GUILESS_MAIN(ViewGeometryTest)
#include "ViewGeometryTest.moc"

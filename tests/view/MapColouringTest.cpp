// How each display mode colours the cells, the marks inside a cell and what
// a mode choice asks of the window.
#include "MemoryMap.h"
#include "model/ClassicPalette.h"
#include "view/DisplayModes.h"
#include "view/MapPictures.h"
#include "view/ViewCommands.h"

#include <QtTest>

using namespace arvenna;

namespace {
// A small world in the top-left corner, each province with one feature.
struct ColouredWorld : MemoryMap {
    ColouredWorld()
    {
        model.Continents.Add(QStringLiteral("Northreach"), 1, storedColour(200, 100, 50), QStringLiteral("1"));
        model.Alliances.Add(QStringLiteral("Iron Pact"), 4, storedColour(10, 20, 250), QString(),
                            QStringLiteral("4"));
        model.Rulers.Add(4, QStringLiteral("1"), QStringLiteral("Highkeep"), QStringLiteral("aa00"), 7,
                         QStringLiteral("C7"), storedColour(90, 200, 90), QStringLiteral("7"));
        model.Rulers.Add(0, QStringLiteral("1"), QStringLiteral("Lonewall"), QStringLiteral("aa01"), 8,
                         QStringLiteral("C8"), storedColour(250, 250, 0), QStringLiteral("8"));
        addProvince(0, 1, QStringLiteral("Ashfield"), 1, 1, 7);   // forest, continent, allied ruler
        addProvince(1, 1, QStringLiteral("Brine"), 3, 1, 7);      // great sea keeps its terrain
        addProvince(2, 1, QStringLiteral("Cinder"), 4, 0, 8);     // plain, no continent, unallied ruler
        addProvince(3, 1, QStringLiteral("Dunmere"), 4, 99, 55);  // continent and ruler unknown
        addProvince(4, 1, QStringLiteral("Emberhold"), 42);       // terrain unknown: fallback black
        addProvince(5, 1, QString(), 4, 1, 7);                    // no name: terrain only
        addProvince(6, 1, QStringLiteral("Farrow"), 0, 1, 7);     // undiscovered
        ClassProvincia& market = addProvince(7, 1, QStringLiteral("Goldmarsh"), 5, 1, 7);
        market.ClassLocation().LocationName = QStringLiteral("Goldport");
        market.ClassLocation().CollecMArketSell().Add(5, 10, 3, 12);
        addProvince(8, 1, QStringLiteral("Hadeshall"), 9, 1, 7);  // Hades keeps its terrain
        MapSizeClick(view, 4);
    }

    // The colour at the middle of the first nine cells of row 1, in the given mode.
    QList<QColor> cells(int mode)
    {
        SetDisplayMode(view, mode);
        MapPictures pictures;
        pictures.DrawMapWindow(model, view, false);
        QList<QColor> colours;
        for (int x = 0; x <= 8; ++x)
            colours << pixelAt(pictures.map, view, MapCoord{double(x), 1}, 8, 8);
        return colours;
    }
};

const QColor kWhite = paletteColour16(15);
const QColor kForest = paletteColour16(2);
const QColor kSea = paletteColour16(1);
const QColor kPlain = paletteColour16(10);
const QColor kDesert = paletteColour16(14);
const QColor kHades = paletteColour16(12);
const QColor kGrey = paletteColour16(7);
const QColor kBlack = paletteColour16(0);
} // namespace

class MapColouringTest : public QObject {
    Q_OBJECT

private slots:
    void modesColourTheCellsInOrder()
    {
        ColouredWorld world;
        const QList<QColor> terrain{kForest, kSea, kPlain, kPlain, kBlack, kPlain, kGrey, kDesert, kHades};
        QCOMPARE(world.cells(0), terrain);
        QCOMPARE(world.cells(1), terrain);
        QCOMPARE(world.cells(5), terrain);
        const QColor region(200, 100, 50);
        QCOMPARE(world.cells(2),
                 (QList<QColor>{region, kSea, kWhite, kWhite, kBlack, kPlain, kGrey, region, kHades}));
        const QColor castle(90, 200, 90);
        QCOMPARE(world.cells(3),
                 (QList<QColor>{castle, kSea, QColor(250, 250, 0), kWhite, kBlack, kPlain, kGrey, castle, kHades}));
        const QColor pact(10, 20, 250);
        QCOMPARE(world.cells(4), (QList<QColor>{pact, kSea, kWhite, kWhite, kBlack, kPlain, kGrey, pact, kHades}));
        QCOMPARE(world.cells(6),
                 (QList<QColor>{kWhite, kSea, kWhite, kWhite, kBlack, kPlain, kGrey, kDesert, kHades}));
    }

    void marksSitOnTheCellGrid()
    {
        MemoryMap map;
        MapSizeClick(map.view, 4);
        ClassProvincia& port = map.addProvince(2, 2, QStringLiteral("Saltmere"), 1);
        port.ClassLocation().LocationName = QStringLiteral("Saltgate");
        port.ClassLocation().LocationSafe = true;
        port.CollecInnerLocation().Add(1, QStringLiteral("I1"), QStringLiteral("Isle"), 6, false, false, 0, false,
                                       QStringLiteral("1"));
        ClassProvincia& sea = map.addProvince(3, 2, QStringLiteral("Deep"), 3);
        sea.CollecInnerLocation().Add(2, QStringLiteral("G2"), QStringLiteral("Galley"), 7, false, false, 0, false,
                                      QStringLiteral("2"));
        ClassProvincia& dark = map.addProvince(4, 2, QStringLiteral("Gloom"), 0);
        dark.ClassLocation().LocationName = QStringLiteral("Lost");
        MapPictures pictures;
        pictures.DrawMapWindow(map.model, map.view, false);
        const MapCoord city{2, 2};
        // The city glyph, inside its door, the island, beside it, the inner
        // locations box and its inside, the safe haven mark and beside it.
        QCOMPARE(pixelsAt(pictures.map, map.view, city,
                          {{2, 1}, {1, 4}, {2.5, 3.5}, {8.5, 3.5}, {7, 3.5}, {2, 8}, {3.5, 8}, {10, 9.5}, {10.5, 9.5}}),
                 (QList<QColor>{kWhite, kWhite, kForest, kPlain, kBlack, kBlack, kForest, kWhite, kForest}));
        // A sea shows its island-less galley by no box at all; undiscovered is
        // grey and outlined, with no marks even with a city.
        QCOMPARE((QList<QColor>{pixelAt(pictures.map, map.view, MapCoord{3, 2}, 2, 8),
                                pixelAt(pictures.map, map.view, MapCoord{4, 2}, 2, 1),
                                pixelAt(pictures.map, map.view, MapCoord{4, 2}, 0, 5)}),
                 (QList<QColor>{kSea, kGrey, kBlack}));

        // The same cell repainted after an edit, with its overview rectangle.
        port.ProvinceTerrainID = 4;
        pictures.layOut(map.view);
        pictures.DrawProvinceCell(map.model, map.view, city, port, true);
        QCOMPARE(pixelAt(pictures.map, map.view, city, 3.5, 8), kPlain);
        // 2 px a province on the overview: column 2 of row 2.
        QCOMPARE((QList<QColor>{pictures.overview.pixelColor(5, 3), pictures.overview.pixelColor(10, 10)}),
                 (QList<QColor>{kPlain, kGrey}));
        pictures.drawOverview(map.model, map.view);
        const QImage framed = pictures.overviewWithFrame(map.model, map.view);
        QCOMPARE((QList<QColor>{pictures.overview.pixelColor(5, 3), pictures.overview.pixelColor(8, 3),
                                framed.pixelColor(0, 15), framed.pixelColor(30, 15), framed.pixelColor(31, 15)}),
                 (QList<QColor>{kPlain, kGrey, kHades, kHades, kGrey}));
    }

    void modeChoicesTellTheWindowWhatToDo()
    {
        MemoryMap map;
        const auto mode = [&view = map.view] { return QString::number(view.CheckedMode) + ' ' + view.CurrentModeKeyword; };
        QCOMPARE(mode(), QStringLiteral("0 TERRAIN"));
        ModeSwitch expected;
        expected.modeChanged = true;
        expected.refreshPanel = true;
        QCOMPARE(SetDisplayMode(map.view, 1), expected); // same keyword: no redraw

        expected.redrawMap = true;
        QCOMPARE(SetDisplayMode(map.view, 2), expected);
        QCOMPARE(mode(), QStringLiteral("2 CONTINENT"));
        expected.redrawMap = false;
        QCOMPARE(SetDisplayMode(map.view, 2), expected); // the active mode again

        ModeSwitch change = expected;
        change.panel = ModePanel::TabMaintain;
        change.redrawMap = true;
        change.copyVisible = change.copyEnabled = change.pasteVisible = true;
        QCOMPARE(SetDisplayMode(map.view, 5), change);

        ModeSwitch market = expected;
        market.panel = ModePanel::TabMarketTable;
        market.redrawMap = true;
        QCOMPARE(SetDisplayMode(map.view, 6), market);

        QCOMPARE(SetDisplayMode(map.view, 7), ModeSwitch{});
        QCOMPARE(SetDisplayMode(map.view, -1), ModeSwitch{});
        QCOMPARE(mode(), QStringLiteral("6 MARKET"));

        mapClosed(map.view);
        QCOMPARE(mode(), QStringLiteral("0 TERRAIN"));
        QCOMPARE(SetDisplayMode(map.view, 3), ModeSwitch{});
        QVERIFY(ModeKeyword(map.view, 3));
        QCOMPARE(mode(), QStringLiteral("0 RULLER"));
    }
};

QTEST_GUILESS_MAIN(MapColouringTest)
#include "MapColouringTest.moc"

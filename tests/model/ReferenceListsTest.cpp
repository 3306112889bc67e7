// The choice lists of the editing frames and the terrain legend.
#include "GameFixture.h"
#include "database/Database.h"
#include "model/ClassicPalette.h"
#include "model/InnerLocationFrame.h"
#include "model/MapModel.h"
#include "model/ModelLoader.h"
#include "model/ReferenceLists.h"
#include "view/GameOpening.h"
#include "view/MapView.h"

#include <QtTest>

using namespace arvenna;

namespace {
ReferenceList pair(const QStringList& names, const QStringList& ids, int selected = 0)
{
    return ReferenceList{names, ids, selected};
}

QStringList legendText(const QList<LegendSwatch>& legend)
{
    QStringList lines;
    for (const LegendSwatch& swatch : legend)
        lines << swatch.TerrainDesc + ' ' + swatch.colour().name();
    return lines;
}

const QString kGameRows = QStringLiteral(
    "INSERT INTO CONTINENTES (CONTID, CONTDESCRIPTION, CONTCOLOR) VALUES (1, 'Vale', 0), (2, 'Fen', 0);"
    "INSERT INTO RULLERS (RULLERID, RULLERNAME) VALUES (1, 'Zenith Keep'), (2, 'Amber Hall'), (3, 'Moor Tower')");
} // namespace

class ReferenceListsTest : public QObject {
    Q_OBJECT

private slots:
    void fillsEveryPairFromTheGameDatabase()
    {
        GameFixture game(kGameRows);
        MapModel model;
        fillReferenceLists(model, game.database());
        const ReferenceLists& lists = model.lists;
        QCOMPARE(lists.ProvContinent, pair({"[None]", "Vale", "Fen"}, {"", "1", "2"}));
        QCOMPARE(lists.ProvTerrain, pair({"[None]", "Forest", "Sea Lane", "Great Sea", "Plain", "Desert", "Mountain",
                                          "Swamp", "Cloudland", "Hades", "Faery", "Tunnel"},
                                         {"", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}));
        QCOMPARE(lists.LocalType, pair({"[None]", "Port City", "City"}, {"", "1", "2"}));
        QCOMPARE(lists.InnerType.names.mid(0, 4), (QStringList{"[None]", "Castle", "Tower", "Mine"}));
        QCOMPARE(lists.InnerType.ids.size(), 17);
        QCOMPARE(lists.InnerType.ids.last(), QStringLiteral("16"));
        QCOMPARE(lists.ProvRuller, pair({"[None]", "Amber Hall", "Moor Tower", "Zenith Keep"}, {"", "2", "3", "1"}));
        // Only the skills a city can teach, and no selection.
        QCOMPARE(lists.LocalSkill.names.mid(0, 3), (QStringList{"[none]", "Combat [610]", "Swordplay [611]"}));
        QCOMPARE(lists.LocalSkill.names.size(), 17);
        QCOMPARE(lists.LocalSkill.ids.mid(0, 2), (QStringList{"None", "1"}));
        QCOMPARE(lists.LocalSkill.selected, -1);

        QCOMPARE(model.UndergroundRow, qint16(100));
        QCOMPARE(model.TerrainsByDesc.Item("Hades").TerrainId, qint16(9));
        QCOMPARE(model.Continents.Item("2").ContinentName, QStringLiteral("Fen"));
        QCOMPARE(legendText(lists.legend),
                 (QStringList{"Forest #008000", "Great Sea #000080", "Plain #00ff00", "Desert #ffff00",
                              "Mountain #808000", "Swamp #008080", "Cloudland #00ffff", "Tunnel #808080",
                              "Sea Lane #0000ff", "Hades #ff0000", "Faery #ff00ff"}));
    }

    // Tables the second map leaves empty give only the "[None]" entry; a
    // legend terrain it lacks stays in the legend, black.
    void aSecondMapLeavesEveryPairInStep()
    {
        GameFixture game(kGameRows);
        MapModel model;
        MapView view;
        openGame(game.session.CurrentDBName, game.session, model, view);
        game.switchTo(QStringLiteral("Quorvane.mdb"),
                      QStringLiteral("INSERT INTO CONTINENTES (CONTID, CONTDESCRIPTION) VALUES (7, 'Dunes');"
                                     "DELETE FROM TERRAIN WHERE TERRAINID > 3;"
                                     "DELETE FROM LOCATIONTYPE;"
                                     "DELETE FROM INNERTYPES WHERE InnerTypeID > 2"));
        openGame(game.session.CurrentDBName, game.session, model, view);
        const ReferenceLists& lists = model.lists;
        for (const ReferenceList* list : {&lists.ProvContinent, &lists.ProvTerrain, &lists.LocalType,
                                          &lists.LocalSkill, &lists.InnerType, &lists.ProvRuller})
            QCOMPARE(list->names.size(), list->ids.size());
        QCOMPARE(lists.ProvContinent, pair({"[None]", "Dunes"}, {"", "7"}));
        QCOMPARE(lists.ProvTerrain, pair({"[None]", "Forest", "Sea Lane", "Great Sea"}, {"", "1", "2", "3"}));
        QCOMPARE(lists.LocalType, pair({"[None]"}, {""}));
        QCOMPARE(lists.InnerType, pair({"[None]", "Castle", "Tower"}, {"", "1", "2"}));
        QCOMPARE(lists.ProvRuller, pair({"[None]"}, {""}));
        QCOMPARE(model.Rulers.Count(), 0);
        QCOMPARE(model.TerrainsByID.Count(), 4);
        QCOMPARE(model.UndergroundRow, qint16(100)); // no tunnel: the loader's own end of the surface
        QCOMPARE(legendText(lists.legend),
                 (QStringList{"Forest #008000", "Great Sea #000080", "Plain #000000", "Desert #000000",
                              "Mountain #000000", "Swamp #000000", "Cloudland #000000", "Tunnel #000000",
                              "Sea Lane #0000ff", "Hades #000000", "Faery #000000"}));
    }

    void showInnerLocationFillsTheFrame()
    {
        GameFixture game(QStringLiteral(
            "INSERT INTO INNERLOCATIONS (INNERLOCALID, InnerID, LocalLocationID, ProvinceID, LocalNumber, LocalNAme, "
            "InnerTypeID, EntranceSize, TravelTime, Hidden, Closed) VALUES (5, 0, 0, 1, 'I5', 'Old Mine', 3, NULL, 2, "
            "1, 0), (6, 0, 0, 1, 'I6', 'Odd Place', 40, 7, NULL, 0, 1)"));
        MapModel model;
        fillReferenceLists(model, game.database());
        InnerLocationFrame frame;
        showInnerLocation(frame, game.database(), model.lists.InnerType, QStringLiteral("5"));
        QCOMPARE(frame, (InnerLocationFrame{"5", "I5", "Old Mine", "0", "2", true, false, 3}));
        // An unknown kind keeps the kind shown before.
        showInnerLocation(frame, game.database(), model.lists.InnerType, QStringLiteral("6"));
        QCOMPARE(frame, (InnerLocationFrame{"6", "I6", "Odd Place", "7", "0", false, true, 3}));
        showInnerLocation(frame, game.database(), model.lists.InnerType, QString());
        QCOMPARE(frame.id, QStringLiteral("6"));
        // An id not in the table sets only the id box; 0 empties the others.
        showInnerLocation(frame, game.database(), model.lists.InnerType, QStringLiteral("77"));
        QCOMPARE(frame, (InnerLocationFrame{"77", "I6", "Odd Place", "7", "0", false, true, 3}));
        showInnerLocation(frame, game.database(), model.lists.InnerType, QStringLiteral("0"));
        QCOMPARE(frame, (InnerLocationFrame{"77", "", "", "", "", false, false, -1}));
    }
};

QTEST_GUILESS_MAIN(ReferenceListsTest)
#include "ReferenceListsTest.moc"

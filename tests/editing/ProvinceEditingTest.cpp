// Creating, correcting, deleting, copying and pasting provinces, row by row.
#include "EditedGame.h"
#include "database/Database.h"
#include "editing/ProvinceEditing.h"

#include <QtTest>

using namespace arvenna;

namespace {
// Keepvale (aa03): a ruled plain with notes and an exit. Redmoor (ab07): a
// forest with a city. Innmoor (ab08): a mountain with an inner location.
const QString kWorld = QStringLiteral(R"(
INSERT INTO CONTINENTES (CONTID, CONTDESCRIPTION, CONTCOLOR) VALUES (1, 'Northreach', 255), (2, 'Southmarch', 65280);
INSERT INTO CHARACTERS (CharacterID, CHARACTERNUMBER, CHARACTERNAME) VALUES (1, 'N55', 'Lord Brann');
INSERT INTO RULLERS (RULLERID, RULLERNO, RULLERNAME, RULLERNOBLEID, CASTLEPROVID, RULLERCOLOUR)
  VALUES (1, 'C12', 'Highkeep', '1', 'aa03', 65280);
INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID, CONTINENTID, RULLERID, PEASANTS, COMMENTS, Up)
  VALUES (1, 'Keepvale', 3, 1, 4, 1, 1, 120, 'old notes', 'ea03'),
         (2, 'Redmoor', 7, 2, 1, 2, NULL, 40, NULL, NULL),
         (3, 'Innmoor', 8, 2, 6, NULL, NULL, 0, NULL, NULL);
INSERT INTO LOCALS (LOCALID, PROVINCEID, LOCALNUMBER, LocalName, LocationTypeID, PROVINCIASAFE)
  VALUES (1, 2, 'C101', 'Redgate', 2, 0);
INSERT INTO INNERLOCATIONS (INNERLOCALID, InnerID, LocalLocationID, ProvinceID, LocalNumber, LocalNAme, InnerTypeID)
  VALUES (1, 0, 0, 3, 'I1', 'Old Mine', 3);
)");

const QString kProvinces = QStringLiteral("SELECT PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID, CONTINENTID, "
                                          "RULLERID, PEASANTS, COMMENTS, Up FROM PROVINCIAS ORDER BY PROVINCIAID");

ProvinceFrame frameOf(const ProvinceInfo& info)
{
    return {info.TxtProvName, info.TxtPeasants, info.CmbProvTerrain, info.CmbProvContinent, info.CmbProvRuller};
}
} // namespace

class ProvinceEditingTest : public QObject {
    Q_OBJECT

private slots:
    void createdAtColumnFiveAndDeletedAgain()
    {
        EditedGame game(kWorld);
        const ReferenceLists& lists = game.model.lists;
        const QString name = QStringLiteral("Hill \"O'Neil\" \\ Ærøgård 北山");
        const ProvinceFrame frame{name, QStringLiteral("250"), EditedGame::position(lists.ProvTerrain, "Plain"),
                                  EditedGame::position(lists.ProvContinent, "Northreach"), 0};
        QCOMPARE(updateProvince(game.at(5, 3), frame), CellRepaint::MapAndOverview);
        QCOMPARE(game.rows(kProvinces).last(), "4|" + name + "|5|3|4|1|NULL|250|NULL|NULL");
        QVERIFY(game.model.Provinces.contains(QStringLiteral("ac05")));
        QCOMPARE(game.info(5, 3).TxtProvName, name);
        QCOMPARE(game.info(5, 3), game.reloadedInfo(5, 3));

        // Deleting asks first; Cancel keeps the province.
        game.dialogue.answers << DialogueAnswer::Cancel << DialogueAnswer::Ok;
        QCOMPARE(deleteProvince(game.at(5, 3)), CellRepaint::None);
        QCOMPARE(game.rows(kProvinces).size(), 4);
        QCOMPARE(deleteProvince(game.at(5, 3)), CellRepaint::MapAndOverview);
        const Message confirm =
            confirmation("Please confirm deletion of province " + name + " [ac 05]", DialogueButtons::OkCancelKeep);
        QCOMPARE(game.dialogue.messages, (QList<Message>{confirm, confirm}));
        QCOMPARE(game.rows(kProvinces).size(), 3);
        QVERIFY(!game.model.Provinces.contains(QStringLiteral("ac05")));
        QCOMPARE(game.info(5, 3), game.reloadedInfo(5, 3));
    }

    void badInputAndOccupiedProvincesChangeNothing()
    {
        EditedGame game(kWorld);
        const QStringList before = game.rows(kProvinces);
        const ProvinceInfo keepvale = game.info(3, 1);
        const int plain = EditedGame::position(game.model.lists.ProvTerrain, "Plain");
        for (const ProvinceFrame& frame : {ProvinceFrame{"", "1", plain, 0, 0}, ProvinceFrame{"   ", "1", plain, 0, 0},
                                           ProvinceFrame{"Named", "1", 0, 0, 0}, ProvinceFrame{"Named", "many", plain, 0, 0},
                                           ProvinceFrame{"Named", "40000", plain, 0, 0},
                                           ProvinceFrame{"Named", "-3", plain, 0, 0}})
            QCOMPARE(updateProvince(game.at(3, 1), frame), CellRepaint::None);
        QCOMPARE(deleteProvince(game.at(7, 2)), CellRepaint::None);
        QCOMPARE(deleteProvince(game.at(8, 2)), CellRepaint::None);
        QCOMPARE(deleteProvince(game.at(20, 20)), CellRepaint::None); // nothing there: nothing asked
        const Message mandatory = warning(QStringLiteral("Name and Terrain Type are mandatory details"));
        const Message peasants = warning(QStringLiteral("Peasants must be a whole number from 0 to 32767"));
        QCOMPARE(game.dialogue.messages,
                 (QList<Message>{mandatory, mandatory, mandatory, peasants, peasants, peasants,
                                 confirmation("This Province contains Location information, discard these first"),
                                 confirmation("This Province contains Inner Location information, discard these first")}));
        QCOMPARE(game.rows(kProvinces), before);
        QCOMPARE(game.info(3, 1), keepvale);
    }

    void correctionKeepsWhatTheFrameDoesNotShow()
    {
        EditedGame game(kWorld);
        ProvinceFrame frame = frameOf(game.info(3, 1));
        frame.peasants = QStringLiteral(" 130");
        frame.terrainPosition = EditedGame::position(game.model.lists.ProvTerrain, "Forest");
        frame.continentPosition = 0; // "[None]" clears the region
        frame.rulerPosition = 0;
        QCOMPARE(updateProvince(game.at(3, 1), frame), CellRepaint::MapAndOverview);
        QCOMPARE(game.rows(kProvinces).first(), QStringLiteral("1|Keepvale|3|1|1|NULL|NULL|130|old notes|ea03"));
        QCOMPARE(game.info(3, 1).Text4, QStringLiteral("[None]"));
        QCOMPARE(game.info(3, 1), game.reloadedInfo(3, 1));
    }

    void pasteOverwritesNameTerrainAndRegionOnly()
    {
        EditedGame game(kWorld);
        const ProvinceClipboard redmoor = copyProvince(frameOf(game.info(7, 2)));
        QVERIFY(redmoor.canPaste());
        QCOMPARE(pasteProvince(game.at(3, 1), redmoor, frameOf(game.info(3, 1))), CellRepaint::MapAndOverview);
        QCOMPARE(game.rows(kProvinces).first(), QStringLiteral("1|Redmoor|3|1|1|2|1|120|old notes|ea03"));
        QCOMPARE(game.info(3, 1), game.reloadedInfo(3, 1));
        // A cell without a terrain gives nothing to paste.
        QVERIFY(!copyProvince(frameOf(game.info(20, 20))).canPaste());
    }

    void failingDatabaseLeavesRowsAndModel()
    {
        EditedGame game(kWorld);
        const QStringList before = game.rows(kProvinces);
        const ProvinceInfo keepvale = game.info(3, 1);
        game.database().execute(QStringLiteral("PRAGMA query_only = ON"));
        ProvinceFrame frame = frameOf(keepvale);
        frame.name = QStringLiteral("Renamed");
        QCOMPARE(updateProvince(game.at(3, 1), frame), CellRepaint::None);
        QCOMPARE(updateProvince(game.at(5, 3), frame), CellRepaint::None);
        QCOMPARE(deleteProvince(game.at(3, 1)), CellRepaint::None);
        QStringList firstLines;
        for (const Message& message : game.dialogue.messages)
            firstLines << message.title + " / " + message.text.section('\n', 0, 0);
        QCOMPARE(firstLines, (QStringList{"MapViewer / The province was not stored; the map is unchanged.",
                                          "MapViewer / The province was not stored; the map is unchanged.",
                                          "Confirmation / Please confirm deletion of province Keepvale [aa 03]",
                                          "MapViewer / The deletion of the province was not stored; the map is unchanged."}));
        game.database().execute(QStringLiteral("PRAGMA query_only = OFF"));
        QCOMPARE(game.rows(kProvinces), before);
        QCOMPARE(game.info(3, 1), keepvale);
        QVERIFY(!game.model.Provinces.contains(QStringLiteral("ac05")));
    }
};

QTEST_GUILESS_MAIN(ProvinceEditingTest)
#include "ProvinceEditingTest.moc"

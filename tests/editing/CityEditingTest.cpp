// Creating, correcting and deleting cities with their skills and markets.
#include "EditedGame.h"
#include "database/Database.h"
#include "editing/CityEditing.h"

#include <QtTest>

using namespace arvenna;

namespace {
// Keepvale (aa03): a plain without a city. Marketon (aa04): a safe city
// with skills and offers. Redmoor (ab07): a city holding an inner location.
const QString kWorld = QStringLiteral(R"(
INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID)
  VALUES (1, 'Keepvale', 3, 1, 4), (2, 'Marketon', 4, 1, 4), (3, 'Redmoor', 7, 2, 1);
INSERT INTO LOCALS (LOCALID, PROVINCEID, LOCALNUMBER, LocalName, LocationTypeID, PROVINCIASAFE)
  VALUES (1, 2, 'C9', 'Marketgate', 2, 1), (2, 3, 'C101', 'Redgate', 2, 0);
INSERT INTO SKILLSBYLOCAL (LOCALID, SKILLTYPEID) VALUES (2, 1), (2, 3), (3, 2);
INSERT INTO MARKETTRANSACTIONS (MarketItemID, LocalID, ItemID, TransactionType, TransactionQuantity, TransactionCost, TurnNo)
  VALUES (1, 1, 1, 'S', 5, 10, 12), (2, 1, 2, 'B', 1, 4, 12), (3, 2, 1, 'S', 7, 9, 12);
INSERT INTO INNERLOCATIONS (INNERLOCALID, InnerID, LocalLocationID, ProvinceID, LocalNumber, LocalNAme, InnerTypeID)
  VALUES (1, 0, 2, 3, 'I5', 'Drains', 9);
)");

const QString kCities = QStringLiteral("SELECT * FROM LOCALS ORDER BY LOCALID");
const QString kSkills = QStringLiteral("SELECT * FROM SKILLSBYLOCAL ORDER BY rowid");
const QString kMarkets = QStringLiteral("SELECT MarketItemID, LocalID FROM MARKETTRANSACTIONS ORDER BY MarketItemID");
} // namespace

class CityEditingTest : public QObject {
    Q_OBJECT

private slots:
    void skillsFollowTheFrameAndASecondCityOverwrites()
    {
        EditedGame game(kWorld);
        const ReferenceLists& lists = game.model.lists;
        const QString name = QStringLiteral("Port \"Ørn\" \\ 'west'");
        CityFrame frame{QStringLiteral(" C7 "), name, EditedGame::position(lists.LocalType, "Port City"), true, {1, 2}};
        QCOMPARE(updateCity(game.at(3, 1), frame), CellRepaint::Map);
        QCOMPARE(game.rows(kCities).last(), "3|1| C7 |" + name + "|1|1|NULL");
        const QString first = lists.LocalSkill.ids.at(1);
        const QString second = lists.LocalSkill.ids.at(2);
        QCOMPARE(game.rows(kSkills), (QStringList{"2|1", "2|3", "3|2", "1|" + first, "1|" + second}));
        QCOMPARE(game.info(3, 1).LstLocalSkill, (QList<int>{1, 2}));
        QCOMPARE(game.info(3, 1), game.reloadedInfo(3, 1));

        frame.skillPositions = {};
        QCOMPARE(updateCity(game.at(3, 1), frame), CellRepaint::Map);
        QCOMPARE(game.rows(kSkills), (QStringList{"2|1", "2|3", "3|2"}));
        frame.skillPositions = {0}; // "[none]" alone: no skills
        QCOMPARE(updateCity(game.at(3, 1), frame), CellRepaint::Map);
        QCOMPARE(game.rows(kSkills), (QStringList{"2|1", "2|3", "3|2"}));
        frame.skillPositions = {0, 2}; // "[none]" beside a skill stands for nothing
        QCOMPARE(updateCity(game.at(3, 1), frame), CellRepaint::Map);
        QCOMPARE(game.rows(kSkills), (QStringList{"2|1", "2|3", "3|2", "1|" + second}));

        const CityFrame other{QStringLiteral("C8"), QStringLiteral("Newport"),
                              EditedGame::position(lists.LocalType, "City"), false, {}};
        QCOMPARE(updateCity(game.at(3, 1), other), CellRepaint::Map);
        QCOMPARE(game.rows(kCities).mid(2), QStringList{"3|1|C8|Newport|2|0|NULL"});
        QCOMPARE(game.info(3, 1), game.reloadedInfo(3, 1));
        QCOMPARE(game.dialogue.messages, QList<Message>());
    }

    void badInputChangesNothing()
    {
        EditedGame game(kWorld);
        const QStringList before = game.rows(kCities) + game.rows(kSkills);
        const int city = EditedGame::position(game.model.lists.LocalType, "City");
        for (const CityFrame& frame : {CityFrame{"  ", "Name", city, false, {1}}, CityFrame{"C1", "", city, false, {}},
                                       CityFrame{"C1", "Name", 0, false, {}}})
            QCOMPARE(updateCity(game.at(3, 1), frame), CellRepaint::None);
        QCOMPARE(updateCity(game.at(20, 20), CityFrame{"C1", "Name", city, false, {}}), CellRepaint::None);
        QCOMPARE(deleteCity(game.at(3, 1)), CellRepaint::None); // no city: nothing asked
        QCOMPARE(deleteCity(game.at(7, 2)), CellRepaint::None);
        const Message mandatory = warning(QStringLiteral("Name, Number and Local Type are mandatory details"));
        QCOMPARE(game.dialogue.messages,
                 (QList<Message>{mandatory, mandatory, mandatory, warning(QStringLiteral("Province must be created first")),
                                 confirmation("This Location contains Inner Location information, discard these first")}));
        QCOMPARE(game.rows(kCities) + game.rows(kSkills), before);
    }

    void deletingACityTakesItsSkillsAndMarkets()
    {
        EditedGame game(kWorld);
        game.dialogue.answers << DialogueAnswer::Cancel << DialogueAnswer::Ok;
        QCOMPARE(deleteCity(game.at(4, 1)), CellRepaint::None);
        QCOMPARE(game.rows(kCities).size(), 2);
        QCOMPARE(deleteCity(game.at(4, 1)), CellRepaint::Map);
        const Message confirm = confirmation("Please confirm deletion of Marketgate [C9]", DialogueButtons::OkCancelKeep);
        QCOMPARE(game.dialogue.messages, (QList<Message>{confirm, confirm}));
        QCOMPARE(game.rows(kCities), QStringList{"2|3|C101|Redgate|2|0|NULL"});
        QCOMPARE(game.rows(kSkills), QStringList{"3|2"});
        QCOMPARE(game.rows(kMarkets), QStringList{"3|2"});
        QCOMPARE(game.rows(QStringLiteral("SELECT PROVINCIANAME FROM PROVINCIAS WHERE PROVINCIAID = 2")),
                 QStringList{"Marketon"});
        QCOMPARE(game.info(4, 1).LstMarket, QStringList());
        QCOMPARE(game.info(4, 1), game.reloadedInfo(4, 1));
    }

    void failingDatabaseLeavesRowsAndModel()
    {
        EditedGame game(kWorld);
        game.database().execute(QStringLiteral(
            "CREATE TRIGGER full_disk BEFORE INSERT ON SKILLSBYLOCAL BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
        game.database().execute(QStringLiteral(
            "CREATE TRIGGER locked BEFORE DELETE ON MARKETTRANSACTIONS BEGIN SELECT RAISE(ABORT, 'locked'); END"));
        const QStringList before = game.rows(kCities) + game.rows(kSkills) + game.rows(kMarkets);
        const ProvinceInfo keepvale = game.info(3, 1);
        const ProvinceInfo marketon = game.info(4, 1);
        const CityFrame frame{"C7", "Westport", EditedGame::position(game.model.lists.LocalType, "City"), true, {1}};
        QCOMPARE(updateCity(game.at(3, 1), frame), CellRepaint::None);
        QCOMPARE(deleteCity(game.at(4, 1)), CellRepaint::None);
        QStringList firstLines;
        for (const Message& message : game.dialogue.messages)
            firstLines << message.text.section('\n', 0, 0);
        QCOMPARE(firstLines, (QStringList{"The city was not stored; the map is unchanged.",
                                          "Please confirm deletion of Marketgate [C9]",
                                          "The deletion of the city was not stored; the map is unchanged."}));
        QVERIFY(game.dialogue.messages.at(0).text.contains(QStringLiteral("disk is full")));
        QCOMPARE(game.rows(kCities) + game.rows(kSkills) + game.rows(kMarkets), before);
        QCOMPARE(game.info(3, 1), keepvale);
        QCOMPARE(game.info(4, 1), marketon);
    }
};

QTEST_GUILESS_MAIN(CityEditingTest)
#include "CityEditingTest.moc"

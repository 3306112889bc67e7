// Adding, nesting, renumbering and deleting inner locations of provinces and cities.
#include "EditedGame.h"
#include "database/Database.h"
#include "editing/InnerLocationEditing.h"

#include <QtTest>

using namespace arvenna;

namespace {
// Keepvale (aa03): a plain. Deepsea (aa04): a great sea. Redmoor (ab07): a
// forest whose city Redgate holds the sewer Drains.
const QString kWorld = QStringLiteral(R"(
INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID)
  VALUES (1, 'Keepvale', 3, 1, 4), (2, 'Deepsea', 4, 1, 3), (3, 'Redmoor', 7, 2, 1);
INSERT INTO LOCALS (LOCALID, PROVINCEID, LOCALNUMBER, LocalName, LocationTypeID, PROVINCIASAFE)
  VALUES (1, 3, 'C101', 'Redgate', 2, 0);
INSERT INTO INNERLOCATIONS (INNERLOCALID, InnerID, LocalLocationID, ProvinceID, LocalNumber, LocalNAme, InnerTypeID,
                            EntranceSize, TravelTime, Hidden, Closed)
  VALUES (1, 0, 1, 3, 'I5', 'Drains', 9, 2, 4, 0, 1);
)");

const QString kInner = QStringLiteral("SELECT INNERLOCALID, InnerID, LocalLocationID, ProvinceID, LocalNumber, LocalNAme, "
                                      "InnerTypeID, EntranceSize, TravelTime, Hidden, Closed FROM INNERLOCATIONS "
                                      "ORDER BY INNERLOCALID");

InnerLocationFrame innerFrame(const QString& number, const QString& name, int typePosition)
{
    InnerLocationFrame frame;
    frame.number = number;
    frame.name = name;
    frame.typePosition = typePosition;
    return frame;
}

const Message kSubLocationQuestion{
    "Confirmation",
    "A different Location Number has been found, do you want to create a SubLocation for The Current Location",
    MessageIcon::Question, DialogueButtons::YesNo};
const Message kTwoLevels{"Confirmation",
                         "Only 2 levels of Inner locations stacked are allowed, please revise your selection. ",
                         MessageIcon::Critical, DialogueButtons::Ok};
} // namespace

class InnerLocationEditingTest : public QObject {
    Q_OBJECT

private slots:
    void provinceLevelsNestRenumberAndStopAtTwo()
    {
        EditedGame game(kWorld);
        const ReferenceList& types = game.model.lists.InnerType;
        InnerLocationFrame hall = innerFrame("I1", "Stone \"Hall\" \\ Øst", EditedGame::position(types, "Castle"));
        hall.entranceSize = QStringLiteral("3");
        hall.travelTime = QStringLiteral("2");
        hall.hidden = true;
        QCOMPARE(updateInnerLocation(game.at(3, 1), hall, kProvinceLine), CellRepaint::Map);
        const QString hallRow = "2|0|0|1|I1|" + hall.name + "|1|3|2|1|0";
        QCOMPARE(game.rows(kInner).last(), hallRow);

        hall.id = QStringLiteral("2");
        QCOMPARE(pickInnerLine(game.at(3, 1), QStringLiteral("2")), hall);
        QCOMPARE(pickInnerLine(game.at(3, 1), kProvinceLine), InnerLocationFrame());

        // A new number on a picked one: Yes puts a new one inside it ...
        InnerLocationFrame cellar = hall;
        cellar.number = QStringLiteral("I2");
        cellar.name = QStringLiteral("Cellar");
        cellar.hidden = false;
        cellar.typePosition = EditedGame::position(types, "Tower");
        game.dialogue.answers << DialogueAnswer::Yes << DialogueAnswer::No;
        QCOMPARE(updateInnerLocation(game.at(3, 1), cellar, QStringLiteral("2")), CellRepaint::Map);
        // ... No renumbers the picked one.
        InnerLocationFrame renumbered = hall;
        renumbered.number = QStringLiteral("I9");
        QCOMPARE(updateInnerLocation(game.at(3, 1), renumbered, QStringLiteral("2")), CellRepaint::Map);
        QCOMPARE(game.rows(kInner).mid(1), (QStringList{"2|0|0|1|I9|" + hall.name + "|1|3|2|1|0",
                                                        "3|2|0|1|I2|Cellar|2|3|2|0|0"}));
        QCOMPARE(game.info(3, 1).LstInner, (QStringList{"Keepvale (Plain) ", "          " + hall.name + " [I9] Castle (Hidden)",
                                                        "             Cellar [I2] Tower"}));
        QCOMPARE(game.info(3, 1), game.reloadedInfo(3, 1));

        // The inner one cannot be changed, not even its name.
        const QStringList before = game.rows(kInner);
        InnerLocationFrame nested = pickInnerLine(game.at(3, 1), QStringLiteral("3"));
        nested.name = QStringLiteral("Wine Cellar");
        QCOMPARE(updateInnerLocation(game.at(3, 1), nested, QStringLiteral("3")), CellRepaint::None);
        QCOMPARE(game.dialogue.messages, (QList<Message>{kSubLocationQuestion, kSubLocationQuestion, kTwoLevels}));
        QCOMPARE(game.rows(kInner), before);
    }

    void cityLevelsAndDeletingTheInnerOne()
    {
        EditedGame game(kWorld);
        const ReferenceList& types = game.model.lists.InnerType;
        const InnerLocationFrame gate = innerFrame("I6", "Sewer Gate", EditedGame::position(types, "Cave"));
        QCOMPARE(updateInnerLocation(game.at(7, 2), gate, kCityLine), CellRepaint::Map);
        InnerLocationFrame hole = pickInnerLine(game.at(7, 2), QStringLiteral("1"));
        hole.number = QStringLiteral("I7");
        hole.name = QStringLiteral("Rat Hole");
        QCOMPARE(updateInnerLocation(game.at(7, 2), hole, QStringLiteral("1")), CellRepaint::Map);
        QCOMPARE(game.rows(kInner), (QStringList{"1|0|1|3|I5|Drains|9|2|4|0|1", "2|0|1|3|I6|Sewer Gate|14|0|NULL|0|0",
                                                 "3|1|1|3|I7|Rat Hole|9|2|4|0|1"}));
        QCOMPARE(game.info(7, 2), game.reloadedInfo(7, 2));

        // Drains holds Rat Hole: refused. Rat Hole goes after OK.
        game.dialogue.answers << DialogueAnswer::Cancel << DialogueAnswer::Ok;
        QCOMPARE(deleteInnerLocation(game.at(7, 2), pickInnerLine(game.at(7, 2), QStringLiteral("1"))), CellRepaint::None);
        const InnerLocationFrame ratHole = pickInnerLine(game.at(7, 2), QStringLiteral("3"));
        QCOMPARE(deleteInnerLocation(game.at(7, 2), ratHole), CellRepaint::None);
        QCOMPARE(deleteInnerLocation(game.at(7, 2), ratHole), CellRepaint::Map);
        const Message confirm = confirmation("Please confirm deletion of location Rat Hole [I7]", DialogueButtons::OkCancelKeep);
        QCOMPARE(game.dialogue.messages,
                 (QList<Message>{kSubLocationQuestion,
                                 {"Confirmation", "Sub location information Found, please discard these first.",
                                  MessageIcon::Critical, DialogueButtons::Ok},
                                 confirm, confirm}));
        QCOMPARE(game.rows(kInner).size(), 2);
        QCOMPARE(game.info(7, 2), game.reloadedInfo(7, 2));
        QCOMPARE(game.model.Provinces.Item(QStringLiteral("ab07")).ClassLocation().CollecInnerLocation().Item(
                     QStringLiteral("1")).CollecInnerLocation().Count(), 0);
    }

    void badInputIslandsAndTravelTimes()
    {
        EditedGame game(kWorld);
        const ReferenceList& types = game.model.lists.InnerType;
        const QStringList before = game.rows(kInner);
        const int island = EditedGame::position(types, "Island");
        const InnerLocationFrame frame = innerFrame("I8", "Isle", island);
        InnerLocationFrame wideEntrance = innerFrame("I8", "Isle", EditedGame::position(types, "Inn"));
        wideEntrance.entranceSize = QStringLiteral("wide");
        for (const InnerLocationFrame& bad : {innerFrame("I8", "  ", island), innerFrame("", "Isle", island),
                                              innerFrame("I8", "Isle", 0)})
            QCOMPARE(updateInnerLocation(game.at(3, 1), bad, kProvinceLine), CellRepaint::None);
        QCOMPARE(updateInnerLocation(game.at(20, 20), frame, kProvinceLine), CellRepaint::None);
        QCOMPARE(updateInnerLocation(game.at(3, 1), frame, kProvinceLine), CellRepaint::None);
        QCOMPARE(updateInnerLocation(game.at(3, 1), wideEntrance, kProvinceLine), CellRepaint::None);
        const Message mandatory = warning(QStringLiteral("Name,Number and Type are mandatory details"));
        QCOMPARE(game.dialogue.messages,
                 (QList<Message>{mandatory, mandatory, mandatory, warning(QStringLiteral("Province must be created first")),
                                 warning(QStringLiteral("Islands can only be set in Sea provinces")),
                                 warning(QStringLiteral("Entrance Size must be a whole number from 0 to 32767"))}));
        QCOMPARE(game.rows(kInner), before);
        QCOMPARE(updateInnerLocation(game.at(4, 1), frame, kProvinceLine), CellRepaint::Map); // at sea

        // Travel days that are not a whole number from 0 to 32767 are refused and
        // change nothing, not even the name; an empty box keeps the stored ones.
        InnerLocationFrame drains = pickInnerLine(game.at(7, 2), QStringLiteral("1"));
        drains.name = QStringLiteral("Old Drains");
        const QString drainsRow = QStringLiteral("SELECT LocalNAme, TravelTime FROM INNERLOCATIONS WHERE INNERLOCALID = 1");
        QStringList stored;
        for (const QString& typed : {QStringLiteral("far"), QStringLiteral("99999"), QStringLiteral("-7"),
                                     QStringLiteral("2.5"), QString(), QStringLiteral(" 6 "), QStringLiteral("32767")}) {
            drains.travelTime = typed;
            updateInnerLocation(game.at(7, 2), drains, kCityLine);
            stored << typed + " -> " + game.rows(drainsRow).join(',');
        }
        QCOMPARE(stored, (QStringList{"far -> Drains|4", "99999 -> Drains|4", "-7 -> Drains|4", "2.5 -> Drains|4",
                                      " -> Old Drains|4", " 6  -> Old Drains|6", "32767 -> Old Drains|32767"}));
        const Message travelDays = warning(QStringLiteral("Travel days must be a whole number from 0 to 32767"));
        QCOMPARE(game.dialogue.messages.mid(6), (QList<Message>{travelDays, travelDays, travelDays, travelDays}));
    }
};

QTEST_GUILESS_MAIN(InnerLocationEditingTest)
#include "InnerLocationEditingTest.moc"

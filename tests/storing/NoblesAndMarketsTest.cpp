// The faction's nobles, the characters seen and the markets: what reports of
// one faction over several turns leave in the database and the model.
#include "StoringGame.h"
#include "database/Database.h"

#include <QtTest>

using namespace arvenna;

namespace {
const QStringList kOwls20 = {QStringLiteral("owls-turn20.txt")};
const QStringList kOwls22 = {QStringLiteral("owls-turn22.txt")};

const QString kHarrowfield = QStringLiteral(" Harrowfield [ab08], plain, in Vessaly");
const QString kKessra = QStringLiteral(" Kessra [m421], port city, in Harrowfield [ab08], safe haven");
const QString kBrook = QStringLiteral(" Brook [q100], city, in Dale's End [ab10]");

const QStringList kCharacters20{"1|7001|Mab \"the Red\"|b02|Oath-2|14|20|Harrowfield [ab08], in Vessaly",
                                "2|7003|Brannoc|b02|Fear-5|0|20|ab10",
                                "3|2290|Corvin Ashe|-|-|-|20|" + kHarrowfield,
                                "4|3340|Lady Ysolde|-|-|-|20|" + kHarrowfield,
                                "5|3345|Ketter|-|-|-|20|" + kKessra,
                                "6|4412|Hobb|-|-|-|20|" + kBrook};
const QStringList kCharacters22{kCharacters20[2].left(kCharacters20[2].indexOf("|20|")) + "|22|" + kKessra,
                                kCharacters20[3], kCharacters20[4],
                                kCharacters20[5].left(kCharacters20[5].indexOf("|20|")) + "|22|" + kBrook,
                                "7|7001|Mab \"the Red\"|b02|Oath-3|15|22|ab10"};
const QStringList kNewItems{"23|301|Witch's \"black\" cauldron", "24|302|amber"};

// The offers of the province's city in the model: buy list, then sell list.
QStringList modelOffers(const MapModel& model, const QString& code)
{
    const ClassLocation& city = model.Provinces.Item(code).ClassLocation();
    QStringList result;
    const auto list = [&result](const char* kind, const CollectMarket& offers) {
        for (const ClassMarket& offer : offers) {
            result << QStringLiteral("%1 %2x%3 item %4 turn %5")
                          .arg(kind)
                          .arg(offer.TransItemQuant)
                          .arg(offer.TransItemPrice)
                          .arg(offer.TransItemID)
                          .arg(offer.TransactionTurn);
        }
    };
    list("B", city.CollecMArketBuy());
    list("S", city.CollecMArketSell());
    return result;
}

} // namespace

class NoblesAndMarketsTest : public QObject {
    Q_OBJECT

private slots:
    // A faction's first report: its nobles but the prisoner, the faction,
    // seen characters (starred and wrapped ones too) where they were seen,
    // the markets with wrapped and new items, and the model's lists.
    void storesAFactionsFirstReport()
    {
        StoringGame game;
        QCOMPARE(game.process(kOwls20).constFirst().reason, QString());
        QCOMPARE(game.rows("CHARACTERS"), kCharacters20);
        QCOMPARE(game.rows("FACTIONS"), QStringList{"b02|O'Hara's Owls|-"});
        QCOMPARE(game.rows("MARKETTRANSACTIONS"),
                 (QStringList{"1|1|9|B|40|12|20", "2|1|23|S|2|250|20", "3|1|24|-|9|5|20", "4|2|24|S|20|7|20"}));
        QCOMPARE(game.rows("ITEMS").mid(22), kNewItems);
        QCOMPARE(modelOffers(game.model, "ab08"),
                 (QStringList{"B 40x12 item 9 turn 20", "S 2x250 item 23 turn 20", "S 9x5 item 24 turn 20"}));
        QCOMPARE(modelOffers(game.model, "ab10"), QStringList{"S 20x7 item 24 turn 20"});
        const QStringList& log = game.state.buffer.items();
        QCOMPARE(log.mid(log.indexOf("[SAVED] (SEE) Seen here:"), 4),
                 (QStringList{"[SAVED] (SEE) Seen here:", "[SAVED] (SEE) Corvin Ashe [2290], with 40 soldiers",
                              "[SAVED] (SEE) *Lady Ysolde [3340], lord of the Long Marches and the",
                              "[SAVED] (SEE) Fenwater Holdings, on guard"}));
        const qsizetype market = log.indexOf("[SAVED] (MAK) Market report:");
        QCOMPARE(log.mid(market - 1, 9),
                 (QStringList{"[SAVED] (MAK) KESSRA [M421], PORT CITY, IN HARROWFIELD [AB08], SAFE HAVEN",
                              "[SAVED] (MAK) Market report:",
                              "[SAVED] (MAK) trades   who   price    qty   wt/ea   item",
                              "[SAVED] (MAK) ------   ---   -----    ---   -----   ----",
                              "[SAVED] (MAK) buy  m421      12     40       1   grain [59]",
                              "[SAVED] (MAK) sell  m421     250      2      50   Witch's \"black\"",
                              "[SAVED] (MAK) cauldron [301]",
                              "[SAVED] (MAK) m421       5      9       1   amber [302]", "----(SEP)----"}));
    }

    // The same turn again edits the nobles in place and keeps a noble the
    // report does not name; seen characters of that turn stay; each city's
    // offers are replaced, and known items are not added twice.
    void theSameTurnAgainEditsAndReplaces()
    {
        StoringGame game;
        game.process(kOwls20);
        game.database().execute("INSERT INTO CHARACTERS (CHARACTERNUMBER, CHARACTERNAME, CHARACTERFACTION, "
                                "CharacterTurnInfo) VALUES ('7999', 'Ivo', 'b02', 20)");
        game.database().execute("UPDATE CHARACTERS SET CHARACTERLOYALTY = 'none', CharacterLastLocationKnown = 'x'");
        QCOMPARE(game.process(kOwls20).constFirst().reason, QString());
        QCOMPARE(game.rows("CHARACTERS"),
                 (QStringList{kCharacters20[0], kCharacters20[1], "3|2290|Corvin Ashe|-|none|-|20|x",
                              "4|3340|Lady Ysolde|-|none|-|20|x", "5|3345|Ketter|-|none|-|20|x",
                              "6|4412|Hobb|-|none|-|20|x", "7|7999|Ivo|b02|none|-|20|x"}));
        QCOMPARE(game.rows("MARKETTRANSACTIONS"),
                 (QStringList{"5|1|9|B|40|12|20", "6|1|23|S|2|250|20", "7|1|24|-|9|5|20", "8|2|24|S|20|7|20"}));
        QCOMPARE(game.rows("ITEMS").mid(22), kNewItems);
        QCOMPARE(modelOffers(game.model, "ab10"), QStringList{"S 20x7 item 24 turn 20"});
    }

    // A newer report replaces the faction's nobles (one who left is gone),
    // moves seen characters, and empties a market that offers nothing
    // without taking the next city's offers for it. An older report after
    // it changes none of the nobles nor newer sightings, nor the markets of
    // cities known from the newer turn (the empty one included), nor the
    // report log's turn.
    void newerAndOlderReports()
    {
        StoringGame game;
        game.process(kOwls20 + kOwls22);
        QCOMPARE(game.rows("CHARACTERS"), kCharacters22);
        QCOMPARE(game.rows("MARKETTRANSACTIONS"), QStringList{"5|2|10|S|5|28|22"});
        QCOMPARE(modelOffers(game.model, "ab08"), QStringList());
        QCOMPARE(modelOffers(game.model, "ab10"), QStringList{"S 5x28 item 10 turn 22"});

        QCOMPARE(game.process(kOwls20).constFirst().reason, QString());
        QCOMPARE(game.rows("CHARACTERS"), kCharacters22);
        QCOMPARE(game.rows("FACTIONS"), QStringList{"b02|O'Hara's Owls|-"});
        QCOMPARE(game.rows("MARKETTRANSACTIONS"), QStringList{"5|2|10|S|5|28|22"});
        const QStringList& log = game.state.buffer.items();
        QCOMPARE(log.mid(log.indexOf("[SAVED] (MAK) BROOK [Q100], CITY, IN DALE'S END [AB10]") + 3, 2),
                 (QStringList{"[SAVED] (MAK) ------   ---   -----    ---   -----   ----",
                              "(MAK) sell  q100       7     20       1   amber [302]"}));
        QCOMPARE(game.rows("REPORTLOG"), QStringList{"b02|22"});
    }

    // A faction summary of no nobles, or none at all, still names the faction.
    void noNoblesStillStoreTheFaction()
    {
        StoringGame game;
        const QString none = game.writeReport("none.txt", "Arvenna G2 turn 13 report", "");
        game.home.writeFile("zero.txt", "Arvenna G2 turn 13 report\nReport for Ash Clan [a01].\n\nFaction [a01]\n"
                                        "-----\nCharacters: 0 (of 5)\n\nUnit  Where Loyal        Health\n----\n\n"
                                        "Unclaimed items:\n\n  qty  name\n  ---  ----\n\n");
        const QList<FileOutcome> outcomes = game.process({none, game.home.file("zero.txt")});
        QCOMPARE((QList<bool>{outcomes[0].processed, outcomes[1].processed}), (QList<bool>{true, true}));
        QCOMPARE(game.rows("FACTIONS"), QStringList{"a01|Ash Clan|-"});
        QCOMPARE(game.rows("CHARACTERS"), QStringList());
    }

    // A line the stage cannot cut up fails the file: nothing of it is
    // stored, the error box names it, and the next file is stored.
    void badLinesFailTheFile_data()
    {
        QTest::addColumn<QByteArray>("locations");
        const QByteArray kessra = "Kessra [m421], port city, in Harrowfield [ab08], safe haven\n-----------\n\n"
                                  "Market report:\n";
        QTest::newRow("market heading without brackets")
            << QByteArray("Kessra port city\n-----------\n\nMarket report:\n buy m421 12 40 1 grain [59]\n");
        QTest::newRow("too few words") << kessra + " buy m421 12\n";
        QTest::newRow("price not a number") << kessra + " buy m421 twelve 40 1 grain [59]\n";
        QTest::newRow("quantity beyond 16 bits") << kessra + " buy m421 12 40000 1 grain [59]\n";
        QTest::newRow("seen line without ]")
            << QByteArray("Harrowfield [ab08], plain, in Vessaly\n-----------\n\nSeen here:\n Corvin [2290, a noble\n");
    }

    void badLinesFailTheFile()
    {
        QFETCH(QByteArray, locations);
        StoringGame game;
        game.process({"world-turn12.txt"});
        const QString bad = game.writeReport("bad.txt", "Arvenna G2 turn 13 report", locations);
        const QList<FileOutcome> outcomes = game.process({bad, "owls-turn20.txt"}, {false, false, false, true, true, true});
        QCOMPARE(outcomes[0].processed, false);
        QVERIFY2(outcomes[0].reason.contains("in report line"), qPrintable(outcomes[0].reason));
        QCOMPARE(outcomes[1].processed, true);
        QCOMPARE(game.dialogue.texts(),
                 QStringList{"An error was found processing file " + bad + " in line " + QString::number(outcomes[0].line)
                             + "\n" + outcomes[0].lineText + "\n\n" + outcomes[0].reason});
        QCOMPARE(game.rows("REPORTLOG"), (QStringList{"a01|12", "b02|20"}));
        QCOMPARE(game.rows("MARKETTRANSACTIONS").size(), 4);
    }
};

QTEST_GUILESS_MAIN(NoblesAndMarketsTest)
#include "NoblesAndMarketsTest.moc"

// What processing keeps of a report: every inner location with a known kind,
// nothing of paragraphs that are not provinces, nothing that sets back what a
// newer report told, and nothing at all of a report that fails.
#include "StoringGame.h"
#include "database/Database.h"
#include "view/GameOpening.h"
#include "view/MapView.h"

#include <QtTest>

using namespace arvenna;

namespace {
const QString kTurn24 = QStringLiteral("truth-turn24.txt");
const QString kTurn25 = QStringLiteral("truth-turn25.txt");

// Every row of every table of the game.
QStringList everyRow(StoringGame& game)
{
    QStringList rows;
    for (const QString& table : queryRows(game.path, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"))
        rows << table << game.rows(table);
    return rows;
}


// A province of column `column` on row "cq" with its city and the city's market.
QByteArray market(int column, const QByteArray& price)
{
    const QByteArray number = QByteArray::number(column);
    return "Field [cq" + number + "], plain, in Greenreach\n\nTown [t" + number + "], city, in Field [cq" + number
           + "]\n\nMarket report:\n trades who price qty wt item\n ------ --- ----- --- -- ----\n   sell  x  " + price
           + "  8  100  stone [61]\n\nSeen here:\n   Ada [2001]\n\n";
}
} // namespace

class ReportTruthTest : public QObject {
    Q_OBJECT

private slots:
    // A castle's and a tower's paragraph, a code with extra digits, a
    // province whose name holds "city", inner locations without details.
    void storesWhatTheReportSaysAndNothingElse()
    {
        StoringGame game;
        const FileOutcome outcome = game.process({kTurn25}).constFirst();
        QVERIFY2(outcome.processed, qPrintable(outcome.reason));
        QCOMPARE(game.rows("PROVINCIAS"), (QStringList{"1|Orhar|77|45|1|1|1|-|25|-|-|-|-|-|-",
                                                      "2|Felicity|72|46|1|1|-|-|25|-|-|-|-|-|-"}));
        QCOMPARE(game.rows("CONTINENTES"), QStringList{"1|Greenreach|0"});
        QCOMPARE(game.rows("RULLERS"), QStringList{"1|k116|Castle Orhar |1|bs77|-|-"});
        QCOMPARE(game.rows("LOCALS"), (QStringList{"1|1|c300|Brightwater|2|0|25", "2|2|c400|Joyport|1|0|25"}));
        QCOMPARE(game.rows("INNERLOCATIONS"),
                 (QStringList{"1|0|0|1|k116|Castle Orhar|1|-|-|0|0|25", "2|0|0|1|i10|Lantern Inn|4|-|-|0|0|25",
                              "3|0|0|1|m20|Old Mine|3|2|-|0|0|25", "4|3|0|1|g20|Deep Gallery|14|-|-|0|0|25",
                              "5|0|1|1|u30|Guild Hall|10|-|-|0|0|25", "6|0|1|1|w30|Sewers|9|1|-|0|0|25",
                              "7|0|0|2|t72|Felicity Tower|2|-|-|0|0|25", "8|0|0|2|s5|Sea Wolf|7|-|-|0|0|25",
                              "9|0|2|2|w40|Dock Sewers|9|-|-|0|0|25"}));
        QCOMPARE(game.rows("REPORTLOG"), QStringList{"a01|25"});

        // The same report again changes nothing (its market is written anew).
        const GameKnowledge before = gameKnowledge(game.path);
        QVERIFY(game.process({kTurn25}).constFirst().processed);
        QCOMPARE(gameKnowledge(game.path), before);
    }

    // Turn 24 after turn 25 for the same province, city, castle and market
    // leaves the game as turn 25 after turn 24 does; a city further on in the
    // older report still gets its market.
    void anOlderReportNeverSetsBackANewerOne()
    {
        StoringGame newestLast;
        newestLast.process({kTurn24, kTurn25});
        StoringGame newestFirst;
        for (const FileOutcome& outcome : newestFirst.process({kTurn25, kTurn24}))
            QVERIFY2(outcome.processed, qPrintable(outcome.reason));
        const GameKnowledge expected = gameKnowledge(newestLast.path);
        const GameKnowledge actual = gameKnowledge(newestFirst.path);
        for (qsizetype table = 0; table < expected.size(); ++table)
            QCOMPARE(actual[table].second, expected[table].second);

        QCOMPARE(newestFirst.rows("PROVINCIAS"),
                 (QStringList{"1|Orhar|77|45|1|1|1|-|25|-|-|-|-|-|-", "2|Felicity|72|46|1|1|-|-|25|-|-|-|-|-|-",
                              "3|Marsh|78|45|7|2|-|-|24|-|-|-|-|-|-"}));
        QCOMPARE(newestFirst.rows("RULLERS"), QStringList{"1|k116|Castle Orhar |1|bs77|-|-"});
        QCOMPARE(newestFirst.rows("CHARACTERS"),
                 (QStringList{"1|5101|Maren Holt|-|-|-|25|-", "2|2001|Wren Pell|-|-|-|25| Brightwater [c300], city, in Orhar [bs77]",
                              "3|5102|Tobin Ash|-|-|-|24|-"}));
        QCOMPARE(newestFirst.rows("MARKETTRANSACTIONS"),
                 (QStringList{"1|1|11|S|8|5|25", "2|1|16|B|159|11|25", "3|3|16|B|30|12|24"}));
        // Goods new to the catalogue join it from the older market too.
        QCOMPARE(newestFirst.rows("ITEMS").constLast(), "23|88|silver ring");
        QCOMPARE(newestFirst.rows("INNERLOCATIONS"),
                 (QStringList{"1|0|0|1|k116|Castle Orhar|1|-|-|0|0|25", "2|0|0|1|i10|Lantern Inn|4|-|-|0|0|25",
                              "3|0|0|1|m20|Old Mine|3|2|-|0|0|25", "4|3|0|1|g20|Deep Gallery|14|-|-|0|0|25",
                              "5|0|1|1|u30|Guild Hall|10|-|-|0|0|25", "6|0|1|1|w30|Sewers|9|1|-|0|0|25",
                              "7|0|0|2|t72|Felicity Tower|2|-|-|0|0|25", "8|0|0|2|s5|Sea Wolf|7|-|-|0|0|25",
                              "9|0|2|2|w40|Dock Sewers|9|-|-|0|0|25"}));
        QCOMPARE(newestFirst.rows("REPORTLOG"), QStringList{"a01|25"});
    }

    // A report that fails anywhere leaves every row and the model as they
    // were, and its reason names the cause and the report line.
    void aFailedReportStoresNothing_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QByteArray>("locations");
        QTest::addColumn<QString>("reason");
        const QByteArray turn26 = "Arvenna G2 turn 26 report";
        QTest::newRow("a price that is not a number in the third of five markets")
            << turn26 << market(10, "5") + market(11, "6") + market(12, "seven") + market(13, "8") + market(14, "9")
            << "\"seven\" is not a number in report line 39: sell  x  seven  8  100  stone [61]";
        QTest::newRow("a line longer than the game writes")
            << turn26 << "Orhar [bs77], forest, in " + QByteArray(5000, 'x') + "\n"
            << "Line 8: the line is longer than 4096 characters.";
        QTest::newRow("a turn that is no number") << QByteArray("Arvenna G2 turn twelve report")
                                                  << QByteArray("Orhar [bs77], forest, in Greenreach\n")
                                                  << "The turn number of the report is not a number from 1 to 32767.";
    }

    void aFailedReportStoresNothing()
    {
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, locations);
        QFETCH(QString, reason);
        StoringGame game;
        QVERIFY(game.process({kTurn25}).constFirst().processed);
        const QStringList before = everyRow(game);
        const FileOutcome outcome = game.process({game.writeReport("report.txt", header, locations)}).constFirst();
        QCOMPARE(outcome.reason, reason);
        QCOMPARE(outcome.processed, false);
        QCOMPARE(everyRow(game), before);
        QCOMPARE(game.model.Provinces.Count(), 3); // the fallback and the two of turn 25
        QCOMPARE(game.model.Provinces.Item("bs77").ClassLocation().CollecMArketSell().Count(), 1);
    }

    // The disk fills up halfway through a report: the engine gives up the
    // report's transaction, nothing more is written, the file is as before.
    void aFullDiskHalfwayStoresNothing()
    {
        StoringGame game;
        QVERIFY(game.process({kTurn24}).constFirst().processed);
        game.database().execute("VACUUM");
        const QStringList before = everyRow(game);
        const qint64 pages = queryRows(game.path, "PRAGMA page_count").constFirst().toLongLong();
        game.database().execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 2));
        QByteArray provinces;
        for (int column = 0; column < 100; ++column) {
            const QByteArray code = "cr" + QByteArray::number(column);
            provinces += "Wide Field of the Long Name [" + code + "], plain, in Region of the Long Name " + code
                         + "\n\nInner locations:\n   Deep Mine of the Long Name [m" + code + "], mine, 2 days\n\n";
        }
        const FileOutcome outcome = game.process({game.writeReport("report.txt", "Arvenna G2 turn 26 report", provinces)}).constFirst();
        QCOMPARE(outcome.processed, false);
        QVERIFY2(outcome.reason.contains("full"), qPrintable(outcome.reason));
        QCOMPARE(everyRow(game), before);
        QCOMPARE(queryRows(game.path, "PRAGMA integrity_check"), QStringList{"ok"});
        QCOMPARE(game.model.Provinces.Count(), 3); // the fallback and the two of turn 24
    }

    // A province another program stored after the map was loaded is found
    // by its cell, not added a second time.
    void aCellHoldsOneProvince()
    {
        StoringGame game;
        runSql(game.path, "INSERT INTO PROVINCIAS (PROVINCIANAME, XORD, YORD, TERRAINID, COMMENTS) "
                          "VALUES ('Orhar', 77, 45, 1, '20')");
        QVERIFY(game.process({kTurn25}).constFirst().processed);
        QCOMPARE(game.rows("PROVINCIAS"), (QStringList{"1|Orhar|77|45|1|1|1|-|25|-|-|-|-|-|-",
                                                      "2|Felicity|72|46|1|1|-|-|25|-|-|-|-|-|-"}));
        QCOMPARE(game.model.Provinces.Item("bs77").ProvinceID, 1);
    }

    // A long game's ids pass 16 bits: the game still opens and takes reports
    // that link to those rows.
    void rowIdsBeyondSixteenBits()
    {
        StoringGame game;
        game.session.close();
        runSql(game.path, "INSERT INTO CONTINENTES (CONTID, CONTDESCRIPTION, CONTCOLOR) VALUES (70005, 'Greenreach', 0);"
                          "INSERT INTO RULLERS (RULLERID, RULLERNO, RULLERNAME) VALUES (70003, 'k116', 'Castle Orhar');"
                          "INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID, CONTINENTID, "
                          "RULLERID, COMMENTS) VALUES (70000, 'Orhar', 77, 45, 1, 70005, 70003, '20');"
                          "INSERT INTO LOCALS (LOCALID, PROVINCEID, LOCALNUMBER, LocalName, LocationTypeID, COMMENTS) "
                          "VALUES (70001, 70000, 'c300', 'Brightwater', 2, '20');"
                          "INSERT INTO CHARACTERS (CharacterID, CHARACTERNUMBER, CHARACTERNAME, CharacterTurnInfo) "
                          "VALUES (40001, '2001', 'Wren Pell', 20);"
                          "INSERT INTO ITEMS (ITEMID, ITEMNO, ItemName) VALUES (70004, '88', 'silver ring')");
        MapView view;
        QCOMPARE(openGame(game.path, game.session, game.model, view), GameSession::OpenResult::Opened);
        const ClassProvincia& orhar = game.model.Provinces.Item("bs77");
        QCOMPARE((QList<qint64>{orhar.ProvinceID, orhar.ProvinceContinentID, orhar.ProvinceRulerID,
                                orhar.ClassLocation().LocationID, game.model.Characters.Item("40001").CharacterID}),
                 (QList<qint64>{70000, 70005, 70003, 70001, 40001}));

        QVERIFY(game.process({kTurn24}).constFirst().processed);
        QCOMPARE(game.rows("MARKETTRANSACTIONS"),
                 (QStringList{"1|70001|11|S|2|7|24", "2|70001|70004|S|4|90|24", "3|70002|16|B|30|12|24"}));
        QCOMPARE(game.rows("INNERLOCATIONS").constFirst(), "1|0|0|70000|k116|Castle Orhar|1|-|-|0|0|24");
        QCOMPARE(game.model.Provinces.Item("bs77").ClassLocation().CollecMArketSell().Item(2).TransItemID, 70004);
    }
};

QTEST_GUILESS_MAIN(ReportTruthTest)
#include "ReportTruthTest.moc"

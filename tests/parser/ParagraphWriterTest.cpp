// The location part of a report as it lands in the labelled line buffer.
#include "ReportFiles.h"

#include <QtTest>

using namespace arvenna;

namespace {
// The buffer after reading a report whose location part is `locationPart`,
// headed "(not read)" when the report was refused.
QStringList bufferOf(const QByteArray& locationPart)
{
    TestHome home;
    ReadOutcome outcome;
    readText(outcome, home, reportWithLocations(locationPart));
    return (outcome.read ? QStringList() : QStringList{"(not read)"}) + outcome.state.buffer.items();
}
} // namespace

class ParagraphWriterTest : public QObject {
    Q_OBJECT

private slots:
    void marketParagraphsGetTheCityAsHeadingOnce()
    {
        QCOMPARE(bufferOf("Kessra [m421], city, in Harrowfield [ab08]\n------------\n\n"
                          "Market report:\n  buy  m421  12  40  1  grain [71]\n\n"
                          "Market report:\n\tsell m421 3 4 1 ox [77]\n\n"
                          "Seen here:\n  Bo Tull [1200]\n"),
                 (QStringList{"(LOC) Kessra [m421], city, in Harrowfield [ab08]", "----(SEP)----",
                              "(MAK) KESSRA [M421], CITY, IN HARROWFIELD [AB08]", "(MAK) Market report:",
                              "(MAK) buy  m421  12  40  1  grain [71]", "----(SEP)----", "(MAK) Market report:",
                              "(MAK) sell m421 3 4 1 ox [77]", "----(SEP)----", "(SEE) Seen here:",
                              "(SEE) Bo Tull [1200]"}));
    }

    void hasDiedWithdrawsTheParagraphSoFar()
    {
        // A report may end right after a death.
        QCOMPARE(bufferOf("Plain [ab01], plain, in Dale\n\n\n\n"
                          "Seen here:\n  Ada [1]\n  Ada [1] has died.\n  Bren [2]\n\n"
                          "Seen here:\n  Cole [3]\n  Cole [3] HAS DIED of plague."),
                 (QStringList{"(LOC) Plain [ab01], plain, in Dale", "----(SEP)----", "(SEE) Bren [2]",
                              "----(SEP)----"}));
    }

    void innerLocationListsKeepTheirIndentationAndMayEndTheReport()
    {
        QCOMPARE(bufferOf("Inner locations:\n   Keep [c1], castle, owner:\n\t Al [11]\n  \n"
                          "\tKessra Sewers [s2], sewer, in Kessra [m3]\n  Drain [s4], sewer\n"
                          "  Deep Drain [s5], sewer"),
                 (QStringList{"(INN) Inner locations:", "(INN)    Keep [c1], castle, owner:", "(INN) \t Al [11]",
                              "----(SEP)----", "(INN) Kessra Sewers [s2], sewer, in Kessra [m3]",
                              "(INN)   Drain [s4], sewer", "(INN)   Deep Drain [s5], sewer"}));
    }

    void ignoredParagraphsAndUnderlinesLeaveSingleSeparators()
    {
        QCOMPARE(bufferOf("Cities rumored to be nearby:\n   Kessra [m421], in Dale [ab08]\n\n"
                          "Harrowfield [ab08], plain, in Vessaly\n---------- \nIt is raining.\n"
                          "More rain.\n\nocean routes:\n   East [ab09]\n\n"
                          "3 days to the coast\n\tthen a ferry\n\n\n\n"
                          "Grey Heron [s880], ship, in Kessra [m421]\nShip capacity: 5\n\n"
                          "Trade    price\nSell: wool [79]\n\nLast [ab09], desert, in Dale\n"),
                 (QStringList{"----(SEP)----", "(LOC) Harrowfield [ab08], plain, in Vessaly", "----(SEP)----",
                              "(LCN) 3 days to the coast", "(LCN) then a ferry", "----(SEP)----",
                              "(LOC) Last [ab09], desert, in Dale"}));
    }

    void freeTextSectionsRunToTheirNextHeading()
    {
        QCOMPARE(bufferOf("Lore sheets\n-----------\nSeen here: nobody\n\n"
                          "Order template\nunit 4521   # Osric Vane [4521]\n\nNew players\n"
                          "   Grimwald Sark [7712]\n"),
                 (QStringList{"(LOR) Lore sheets", "----(SEP)----", "(LOR) Seen here: nobody", "----(SEP)----",
                              "(TMP) Order template", "(TMP) unit 4521   # Osric Vane [4521]", "----(SEP)----",
                              "(NEW) New players", "(NEW) Grimwald Sark [7712]"}));
    }
};

QTEST_GUILESS_MAIN(ParagraphWriterTest)
#include "ParagraphWriterTest.moc"

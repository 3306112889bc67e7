// What "Find..." lists for a text, and where choosing a match takes the map.
#include "FindWorld.h"
#include "find/FindMatches.h"

#include <QtTest>

using namespace arvenna;

namespace {
// A match as "kind|name [number]|code".
QStringList rows(const FindResult& result)
{
    QStringList lines;
    for (const FindMatch& match : result.matches)
        lines << match.kindLabel + QLatin1Char('|') + matchTitle(match) + QLatin1Char('|') + match.code;
    return lines;
}

QStringList found(const FindWorld& world, const QString& text)
{
    const FindResult result = findMatches(world.model, FindIndex(world.model), text);
    if (result.total != result.matches.size())
        qFatal("a small search was cut short");
    return rows(result);
}
} // namespace

class FindMatchesTest : public QObject {
    Q_OBJECT

private slots:
    void listsCodesAndNumbersFirstThenNames()
    {
        const FindWorld world;
        QCOMPARE(found(world, "green"), (QStringList{"Province|Greenvale|ab04", "Region|Green Reach|ab05",
                                                     "City|Greenport [C100]|ab04", "Castle|Green Keep [K7]|ab04",
                                                     "Inn|Greenport Inn [I5]|ab04", "Province|Evergreen|ab06"}));
        // The inner location inside another begins with the text; the castle only holds it.
        QCOMPARE(found(world, "keep"), (QStringList{"Sewer|Keep Cellar [D2]|ab04", "Castle|Green Keep [K7]|ab04"}));
        // A number is matched whole, by each kind that has it, before any name.
        QCOMPARE(found(world, "1001"), (QStringList{"Mine|Old Mine [1001]|ab05", "Character|Brannoc [1001]|ab05"}));
        QCOMPARE(found(world, "M421"), QStringList{"City|Kessra [m421]|ae10"});
        QCOMPARE(found(world, "100"), QStringList());
        QCOMPARE(found(world, "mab"), (QStringList{"Province|Mab's Ford|ae10", "Character|Mab \"the Red\" [7001]|ab04"}));
    }

    void findsProvincesByTheirCodes()
    {
        const FindWorld world;
        for (const char* code : {"ab04", "AB4", "ab 04", "  aB004 "})
            QCOMPARE(found(world, code), QStringList{"Province|Greenvale|ab04"});
        // An unnamed province and a place not discovered yet are still places to go to.
        QCOMPARE(found(world, "ab07"), QStringList{"Province||ab07"});
        QCOMPARE(found(world, "dv99"), QStringList{"Province||dv99"});
        for (const char* code : {"zz07", "ab100", "ab-1", "ab99999999999", "ab04x"})
            QCOMPARE(found(world, code), QStringList());
        // Short of a code, the text is part of a name.
        QCOMPARE(found(world, "ab"), (QStringList{"Province|Mab's Ford|ae10", "Character|Mab \"the Red\" [7001]|ab04"}));
    }

    void placesRegionsAndCharacters()
    {
        const FindWorld world;
        // A region at its province nearest the middle of its provinces; one without provinces is not listed.
        QCOMPARE(found(world, "region"), QStringList());
        QCOMPARE(found(world, "reach"), (QStringList{"Province|Åsgard Reach|ae12", "Region|Green Reach|ab05"}));
        QCOMPARE(found(world, "salt"), QStringList{"Region|Salt & Fens|ae11"});
        QCOMPARE(found(world, "empty"), QStringList());
        // A character at the last province code its location names; one whose location names none is not listed.
        QCOMPARE(found(world, "lady"), QStringList{"Character|Lady Ysolde [3340]|ae10"});
        QCOMPARE(found(world, "sven"), QStringList{"Character|Sven Ågren [900]|ae12"});
        QCOMPARE(found(world, "hobb"), QStringList());
        QCOMPARE(found(world, "4412"), QStringList());
        QCOMPARE(found(world, "greta"), QStringList());
    }

    void takesEveryCharacterLiterally()
    {
        const FindWorld world;
        QCOMPARE(found(world, "'"), QStringList{"Province|Mab's Ford|ae10"});
        QCOMPARE(found(world, "\""), (QStringList{"City|Town \"the Old\" [C_9]|ae11",
                                                   "Character|Mab \"the Red\" [7001]|ab04"}));
        QCOMPARE(found(world, "\"the old\""), QStringList{"City|Town \"the Old\" [C_9]|ae11"});
        QCOMPARE(found(world, "%"), QStringList{"Province|50% Marsh_Land|ae11"});
        QCOMPARE(found(world, "_"), QStringList{"Province|50% Marsh_Land|ae11"});
        QCOMPARE(found(world, "c_9"), QStringList{"City|Town \"the Old\" [C_9]|ae11"});
        for (const char* text : {"%_", "c%", "g_een", "*", "[ab04]", "\\", "'; DROP TABLE PROVINCIAS; --"})
            QCOMPARE(found(world, text), QStringList());
        // Letters beyond ASCII ignore case as the plain ones do.
        for (const char* text : {"åsgard", "ÅSGARD", "åSgArD rEaCh"})
            QCOMPARE(found(world, text), QStringList{"Province|Åsgard Reach|ae12"});
        QCOMPARE(found(world, "ÖL"), QStringList{"City|Ölby [C7]|ae12"});
        QCOMPARE(found(world, "ågren"), QStringList{"Character|Sven Ågren [900]|ae12"});
        QCOMPARE(found(world, "asgard"), QStringList());
        // Blank texts find nothing; texts of any length or character are searched safely.
        for (const QString& text : {QString(), QStringLiteral("   "), QStringLiteral("\t\n"), QString(10000, u'e'),
                                    QString(QChar(u'\0')), QString::fromUtf8("\xF0\x90\x8C\xB0")})
            QCOMPARE(found(world, text), QStringList());
    }

    void listsTheFirstMatchesOfMany()
    {
        // 250 scouts at ab06, numbered S1 to S250.
        const FindWorld world(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 250) "
            "INSERT INTO CHARACTERS (CHARACTERNUMBER, CHARACTERNAME, CharacterLastLocationKnown) "
            "SELECT 'S' || i, 'Scout ' || i, 'ab06' FROM n;"));
        const FindResult result = findMatches(world.model, FindIndex(world.model), "scout");
        QCOMPARE(result.total, 250);
        QCOMPARE(result.matches.size(), kFindLimit);
        QCOMPARE(rows(result).mid(0, 4), (QStringList{"Character|Scout 1 [S1]|ab06", "Character|Scout 10 [S10]|ab06",
                                                     "Character|Scout 100 [S100]|ab06",
                                                     "Character|Scout 101 [S101]|ab06"}));
        QCOMPARE(matchCountText(result), QStringLiteral("200 of 250 matches shown"));
        // The number comes first, though its name sorts late.
        QCOMPARE(rows(findMatches(world.model, FindIndex(world.model), "s99")).mid(0, 1),
                 QStringList{"Character|Scout 99 [S99]|ab06"});
        QCOMPARE(matchCountText({}), QStringLiteral("No match."));
        QCOMPARE(matchCountText({{FindMatch{}}, 1}), QStringLiteral("1 match"));
        QCOMPARE(matchCountText({{FindMatch{}, FindMatch{}}, 2}), QStringLiteral("2 matches"));
    }
};

QTEST_GUILESS_MAIN(FindMatchesTest)
#include "FindMatchesTest.moc"

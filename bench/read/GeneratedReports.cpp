#include "GeneratedReports.h"

namespace arvenna {

namespace {
const char* const kHeader = "Arvenna G2 turn 57 report, Spring of year 4.\n"
                            "Report for Red Wolves [m42].\n\n";
const char* const kUnclaimedItems = "Unclaimed items:\n\n   qty  name      weight\n   ---  ----      ------\n\n";

QByteArray provinceParagraphs(int n)
{
    return "Harrowfield [ab" + QByteArray::number(n % 90 + 10) + "], plain, in Vessaly, civ-2\n"
           "--------------------------------------------------------------------------\n"
           "It is raining.\n\n"
           "1,850 peasants work the fields of Harrowfield.\n2 inns serve the road to Kessra.\n\n"
           "Province controlled by Dunmere Keep [c104], castle, in Harrowfield [ab08],\n"
           "   Ruled by Osric Vane [4521], Earl of the Fens\n\n"
           "Routes leaving Harrowfield:\n   North, to Marrowdeep [ab07], Vessaly, forest, 8 days\n"
           "   East, to Kessra Reach [ac08], Vessaly, plain, 7 days\n\n"
           "Inner locations:\n   Dunmere Keep [c104], castle, defense 40, keep, owner:\n"
           "      Osric Vane [4521], with twelve soldiers\n   Old Stones [r220], ring of stones, 1 day\n\n"
           "Seen here:\n   Corvin Ashe [2290], with 40 soldiers\n   *Lady Ysolde [3340], lord of the Long Marches and the\n"
           "      Fenwater Holdings, on guard\n   Ottar Wain [4410]\n   Ottar Wain [4410] has died of his wounds.\n"
           "   Ketter [3345], peasant\n\n\n"
           "Kessra [m421], port city, in Harrowfield [ab08], safe haven\n"
           "--------------------------------------------------------------------------\n"
           "Skills taught here:\n   Shipcraft [600], Combat [610], Swordplay [611]\n\n"
           "Market report:\n trades   who   price    qty   wt/ea   item\n ------   ---   -----    ---   -----   ----\n"
           "    buy  m421      12     40       1   grain [71]\n   sell  m421      30     10     100   ox [77]\n\n"
           "Seen here:\n   Hobb [4412], peasant\n\n\n";
}

// Header, faction summary and unit table of `nobles` nobles numbered from
// 10000, and the unclaimed items: the location part comes next.
QByteArray factionOf(int nobles)
{
    QByteArray report(kHeader);
    report += "Faction [m42]\n-------------\nCharacters: " + QByteArray::number(nobles) + " (of "
              + QByteArray::number(nobles) + ")\n\n"
              "Unit  Where Loyal        Health  Men  Ships\n----  ----- -----\n";
    for (int i = 0; i < nobles; ++i)
        report += QByteArray::number(10000 + i) + " ab" + QByteArray::number(10 + i % 90)
                  + "  oath-1         100%    1      0\n";
    return report + '\n' + kUnclaimedItems;
}
} // namespace

QByteArray realisticReport(qsizetype bytes)
{
    QByteArray report = QByteArray(kHeader) + kUnclaimedItems;
    for (int n = 0; report.size() < bytes; ++n)
        report += provinceParagraphs(n);
    return report;
}

QByteArray manyNoblesReport(int nobles, int lines)
{
    QByteArray report = factionOf(nobles);
    for (int n = 0; n < lines; ++n)
        report += "Vale [ab" + QByteArray::number(10 + n % 90) + "], plain, in Dale\n\n";
    return report;
}

QByteArray longLinesReport(int nobles, qsizetype lineBytes)
{
    QByteArray line;
    while (line.size() < lineBytes)
        line += "Vale [ab01] ";
    return factionOf(nobles) + line + "\n\n" + line + "\n\n";
}

} // namespace arvenna

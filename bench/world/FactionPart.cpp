#include "FactionPart.h"

#include "ReportWords.h"

namespace arvenna {

namespace {
constexpr int kNobles = 4;
constexpr int kCaptive = 2; // the noble who is sometimes held prisoner

struct Noble {
    int number;
    QByteArray name;
    int cell;
    QByteArray loyalty;
    int maximumAura;
    bool prisoner;
};

Noble nobleOf(int k, int turn, const ReportFaction& faction, const std::vector<int>& cells)
{
    Noble noble;
    noble.number = faction.firstNoble + k;
    noble.name = personName(noble.number);
    noble.cell = cells.empty() ? 0 : cells[std::size_t(k * 37 + turn * 11) % cells.size()];
    static const char* const kinds[] = {"Oath", "Contract", "Fear"};
    const int kind = k % 3;
    const int level = kind == 1 ? 40 + 5 * ((turn + k) % 5) : 1 + (turn + k) % 4;
    noble.loyalty = QByteArray(kinds[kind]) + "-" + number(level);
    noble.maximumAura = 6 + 3 * k + (turn + k) % 5;
    noble.prisoner = k == kCaptive && (turn + faction.firstNoble / 10) % 6 == 4;
    return noble;
}

QByteArray unitRow(const Noble& noble, const WorldPlan& plan)
{
    const WorldPlan::Cell& at = plan.cells[std::size_t(noble.cell)];
    return number(noble.number).leftJustified(4) + "  " + provinceCode(at.row, at.column).toLatin1() + "  "
           + noble.loyalty.toLower().leftJustified(12) + "  " + number(100 - noble.number % 3 * 7).rightJustified(5)
           + "%  " + number(noble.number % 5 * 6).rightJustified(3) + "      0\n";
}

QByteArray nobleBlock(const Noble& noble, int turn, const WorldPlan& plan)
{
    QByteArray text = noble.name + " [" + number(noble.number) + "]\n" + kRule + "\n";
    if (noble.prisoner) {
        const int captor = 2000 + (noble.number * 7 + turn) % 3000;
        return text + noble.name + " is being held prisoner by " + personName(captor) + " [" + number(captor)
               + "].\n\n";
    }
    text += "\n";
    // Every other noble names his whereabouts; the others are placed by the unit table.
    if (noble.number % 2 == 0) {
        const WorldPlan::Cell& at = plan.cells[std::size_t(noble.cell)];
        text += "Location:         " + provinceName(noble.cell) + " ["
                + provinceCode(at.row, at.column).toLatin1() + "], in " + regionName(at.region) + "\n";
    }
    return text + "Loyalty:          " + noble.loyalty + "\nCurrent aura:     " + number(noble.maximumAura - turn % 3)
           + "\nMaximum aura:     " + number(noble.maximumAura) + "\n"
           + "Skills known:\n   Combat [610], 3/140\n   Stealth [630], 1/35\n\n"
           + "Capacity: " + number(140 + noble.number % 50) + "/1700 land (8%)\n\n";
}
} // namespace

QByteArray factionPart(int turn, const ReportFaction& faction, const WorldPlan& plan, const std::vector<int>& cells)
{
    std::vector<Noble> nobles;
    for (int k = 0; k < kNobles; ++k)
        nobles.push_back(nobleOf(k, turn, faction, cells));
    QByteArray text = "Faction [" + faction.number.toLatin1() + "]\n" + kRule + "\nNoble points:     "
                      + number(turn % 7) + " (1 gained, 0 spent)\nCharacters:       " + number(kNobles)
                      + " (of 5)\n\nUnit  Where Loyal        Health  Men  Ships\n"
                      + "----  ----- -----------  ------  ---  -----\n";
    for (const Noble& noble : nobles)
        text += unitRow(noble, plan);
    text += "\nUnclaimed items:\n\n   qty  name\n   ---  ----\n\n";
    for (const Noble& noble : nobles)
        text += nobleBlock(noble, turn, plan);
    return text;
}

} // namespace arvenna

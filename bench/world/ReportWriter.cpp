#include "ReportWriter.h"

#include <cmath>

namespace arvenna {

namespace {
const char* const kSyllables[] = {"ash", "bel", "cor", "dun", "el",  "fen", "gar", "har", "is",  "kel", "lor", "mor",
                                  "nor", "or",  "pen", "quel", "ros", "sar", "tor", "ul", "val", "wen", "yr",  "zan"};
constexpr int kSyllableCount = int(std::size(kSyllables));
const QByteArray kRule(74, '-');

QByteArray terrainWord(int terrain)
{
    static const char* const words[] = {"", "forest", "sea lane", "ocean", "plain", "desert", "mountain",
                                        "swamp", "cloudland", "hades", "faery", "tunnel"};
    return words[terrain];
}

QByteArray capitalised(QByteArray word)
{
    if (!word.isEmpty())
        word[0] = char(std::toupper(static_cast<unsigned char>(word[0])));
    return word;
}

QByteArray number(int n)
{
    return QByteArray::number(n);
}
} // namespace

ReportWriter::ReportWriter(const WorldPlan& plan) : plan_(plan), rulerOfCastle_(plan.cells.size(), 0)
{
    for (std::size_t ruler = 0; ruler < plan.castleCell.size(); ++ruler)
        rulerOfCastle_[std::size_t(plan.castleCell[ruler])] = int(ruler) + 1;
}

// Two or three syllables, the same for a cell on every run.
QByteArray ReportWriter::provinceName(int cell) const
{
    const int a = cell % kSyllableCount;
    const int b = (cell / kSyllableCount + cell) % kSyllableCount;
    QByteArray name = capitalised(QByteArray(kSyllables[a]) + kSyllables[b]);
    if (cell % 3 == 0)
        name += kSyllables[(cell / 7) % kSyllableCount];
    return name;
}

QByteArray ReportWriter::province(int cell) const
{
    const WorldPlan::Cell& at = plan_.cells[std::size_t(cell)];
    const QByteArray code = provinceCode(at.row, at.column).toLatin1();
    const QByteArray name = provinceName(cell);
    const QByteArray place = name + " [" + code + "]";
    const QByteArray region = at.region ? "Region " + number(at.region) : QByteArray("Open Sea");
    QByteArray text = place + ", " + terrainWord(at.terrain) + ", in " + region + "\n" + kRule + "\n";
    if (holdsCities(at.terrain))
        text += number(200 + cell % 1800) + " peasants work the fields of " + name + ".\n";
    if (at.ruler) {
        const int castle = plan_.castleCell[std::size_t(at.ruler - 1)];
        const WorldPlan::Cell& castleAt = plan_.cells[std::size_t(castle)];
        text += "\nProvince controlled by Castle " + provinceName(castle) + " [k" + number(at.ruler) + "], castle, in "
                + provinceName(castle) + " [" + provinceCode(castleAt.row, castleAt.column).toLatin1() + "],\n"
                + "   Ruled by Lord " + capitalised(kSyllables[at.ruler % kSyllableCount]) + number(at.ruler) + " ["
                + number(5000 + at.ruler) + "], Earl of " + region + "\n";
    }
    const int ruler = rulerOfCastle_[std::size_t(cell)];
    const bool mine = holdsCities(at.terrain) && cell % 7 == 0;
    if (ruler || mine) {
        text += "\nInner locations:\n";
        if (ruler) {
            text += "   Castle " + name + " [k" + number(ruler) + "], castle, defense 40, owner:\n"
                    + "      Lord " + capitalised(kSyllables[ruler % kSyllableCount]) + number(ruler) + " ["
                    + number(5000 + ruler) + "], with twelve soldiers\n";
        }
        if (mine) {
            text += "   " + name + " Mine [m" + number(cell) + "], mine, 2 days\n"
                    + "      Deep Gallery [g" + number(cell) + "], cave, 1 day" + (cell % 2 ? ", HIDDEN" : "") + "\n";
        }
    }
    if (at.city) {
        text += "\n" + capitalised(kSyllables[(cell / 3) % kSyllableCount]) + name.toLower() + " [c" + number(cell) + "], "
                + (cell % 3 == 0 ? "port city" : "city") + ", in " + place + (cell % 5 == 0 ? ", safe haven" : "")
                + "\n" + kRule + "\n";
        if (cell % 4 == 0)
            text += "\nInner locations:\n   " + name + " Inn [i" + number(cell) + "], inn, 1 day\n";
    }
    return text + "\n";
}

QByteArray ReportWriter::report(int turn, const ReportFaction& faction, const std::vector<int>& cells) const
{
    QByteArray text = "Arvenna G2 turn " + number(turn) + " report.\nReport for " + faction.name.toLatin1() + " ["
                      + faction.number.toLatin1() + "].\n\nUnclaimed items:\n\n   qty  name\n   ---  ----\n\n";
    for (int cell : cells)
        text += province(cell);
    return text + "Order template\n" + kRule + "\nend\n";
}

std::vector<SeasonReport> planSeason(const WorldPlan& plan, int factions, int firstTurn, int turns)
{
    // Homes spread over the surface, each on the nearest cell that holds cities.
    std::vector<const WorldPlan::Cell*> homes;
    for (int f = 0; f < factions; ++f) {
        const double angle = 2 * M_PI * f / factions;
        int row = 50 + int(28 * std::sin(angle));
        int column = 50 + int(28 * std::cos(angle));
        const WorldPlan::Cell* home = nullptr;
        for (int radius = 0; !home && radius < 50; ++radius) {
            for (const WorldPlan::Cell& cell : plan.cells) {
                if (cell.row <= WorldPlan::kSurfaceRows && holdsCities(cell.terrain)
                    && std::abs(cell.row - row) <= radius && std::abs(cell.column - column) <= radius) {
                    home = &cell;
                    break;
                }
            }
        }
        homes.push_back(home ? home : &plan.cells.front());
    }
    std::vector<SeasonReport> season;
    for (int t = 0; t < turns; ++t) {
        // This turn's ring of newly reached cells, and the home's neighbourhood again.
        const double outer = 6 + 4 * t;
        const double inner = outer - 5;
        for (int f = 0; f < factions; ++f) {
            SeasonReport report{firstTurn + t, f, {}};
            for (std::size_t i = 0; i < plan.cells.size(); ++i) {
                const WorldPlan::Cell& cell = plan.cells[i];
                if (cell.row > WorldPlan::kSurfaceRows)
                    continue;
                const double d = std::hypot(double(cell.row - homes[std::size_t(f)]->row),
                                            double(cell.column - homes[std::size_t(f)]->column));
                if (d <= 2 || (d > inner && d <= outer))
                    report.cells.push_back(int(i));
            }
            season.push_back(std::move(report));
        }
    }
    return season;
}

} // namespace arvenna

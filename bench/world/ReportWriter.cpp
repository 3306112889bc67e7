#include "ReportWriter.h"

#include "MarketReport.h"
#include "ReportWords.h"
#include "RouteReport.h"
#include "SeenHere.h"

#include <algorithm>
#include <cmath>

namespace arvenna {

namespace {
QByteArray rulerName(int ruler)
{
    return "Lord " + capitalised(syllable(ruler)) + number(ruler) + " [" + number(5000 + ruler) + "]";
}
} // namespace

ReportWriter::ReportWriter(const WorldPlan& plan) : plan_(plan), rulerOfCastle_(plan.cells.size(), 0)
{
    for (std::size_t ruler = 0; ruler < plan.castleCell.size(); ++ruler)
        rulerOfCastle_[std::size_t(plan.castleCell[ruler])] = int(ruler) + 1;
}

QByteArray ReportWriter::province(int cell, int turn) const
{
    const WorldPlan::Cell& at = plan_.cells[std::size_t(cell)];
    const QByteArray code = provinceCode(at.row, at.column).toLatin1();
    const QByteArray name = provinceName(cell);
    const QByteArray place = name + " [" + code + "]";
    const QByteArray region = regionName(at.region);
    QByteArray text = place + ", " + terrainWord(at.terrain) + ", in " + region + "\n" + kRule + "\n";
    if (holdsCities(at.terrain))
        text += number(200 + cell % 1800) + " peasants work the fields of " + name + ".\n";
    if (at.ruler) {
        const int castle = plan_.castleCell[std::size_t(at.ruler - 1)];
        const WorldPlan::Cell& castleAt = plan_.cells[std::size_t(castle)];
        text += "\nProvince controlled by Castle " + provinceName(castle) + " [k" + number(at.ruler) + "], castle, in "
                + provinceName(castle) + " [" + provinceCode(castleAt.row, castleAt.column).toLatin1() + "],\n"
                + "   Ruled by " + rulerName(at.ruler) + ", Earl of " + region + "\n";
    }
    text += "\n" + routesReport(plan_, cell);
    const int ruler = rulerOfCastle_[std::size_t(cell)];
    const bool mine = holdsCities(at.terrain) && cell % 7 == 0;
    if (ruler || mine) {
        text += "\nInner locations:\n";
        if (ruler)
            text += "   Castle " + name + " [k" + number(ruler) + "], castle, defense 40, owner:\n      "
                    + rulerName(ruler) + ", with twelve soldiers\n";
        if (mine) {
            text += "   " + name + " Mine [m" + number(cell) + "], mine, 2 days\n"
                    + "      Deep Gallery [g" + number(cell) + "], cave, 1 day" + (cell % 2 ? ", HIDDEN" : "") + "\n";
        }
    }
    const QByteArray seen = seenHere(cell, turn, SeenIn::Province);
    if (!seen.isEmpty())
        text += "\n" + seen;
    if (at.city) {
        const QByteArray city = "c" + number(cell);
        text += "\n" + capitalised(syllable(cell / 3)) + name.toLower() + " [" + city + "], "
                + (cell % 3 == 0 ? "port city" : "city") + ", in " + place + (cell % 5 == 0 ? ", safe haven" : "")
                + "\n" + kRule + "\n";
        if (cell % 4 == 0)
            text += "\nInner locations:\n   " + name + " Inn [i" + number(cell) + "], inn, 1 day\n";
        // The reader carries the market's label on to the paragraphs after it
        // until a heading such as "Seen here" sets another one.
        text += "\n" + marketReport(cell, turn, city) + seenHere(cell, turn, SeenIn::City);
    }
    return text + "\n";
}

QByteArray ReportWriter::report(int turn, const ReportFaction& faction, const std::vector<int>& cells) const
{
    QByteArray text = "Arvenna G2 turn " + number(turn) + " report.\nReport for " + faction.name.toLatin1() + " ["
                      + faction.number.toLatin1() + "].\n\n" + factionPart(turn, faction, plan_, cells) + "\n";
    for (int cell : cells)
        text += province(cell, turn);
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
    // A faction that has reached a tunnel's mouth reports the worlds below
    // from the next turn on.
    std::vector<bool> wentBelow(std::size_t(factions), false);
    const auto hasTunnel = [&](int cell) {
        const auto& routes = plan.routes[std::size_t(cell)];
        return std::any_of(routes.begin(), routes.end(),
                           [](const WorldPlan::Route& route) { return route.direction == RouteDirection::Down; });
    };
    for (int t = 0; t < turns; ++t) {
        // This turn's ring of newly reached cells, and the home's neighbourhood again.
        const double outer = 6 + 4 * t;
        const double inner = outer - 5;
        for (int f = 0; f < factions; ++f) {
            SeasonReport report{firstTurn + t, f, {}};
            for (std::size_t i = 0; i < plan.cells.size(); ++i) {
                const WorldPlan::Cell& cell = plan.cells[i];
                if (cell.row > WorldPlan::kSurfaceRows) {
                    if (wentBelow[std::size_t(f)])
                        report.cells.push_back(int(i));
                    continue;
                }
                const double d = std::hypot(double(cell.row - homes[std::size_t(f)]->row),
                                            double(cell.column - homes[std::size_t(f)]->column));
                if (d <= 2 || (d > inner && d <= outer))
                    report.cells.push_back(int(i));
            }
            if (std::any_of(report.cells.begin(), report.cells.end(), hasTunnel))
                wentBelow[std::size_t(f)] = true;
            season.push_back(std::move(report));
        }
    }
    return season;
}

} // namespace arvenna

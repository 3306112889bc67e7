#pragma once

#include "FactionPart.h"
#include "WorldPlan.h"

#include <QByteArray>
#include <vector>

namespace arvenna {

// Writes main-game turn reports ("Arvenna G2") of a faction that sees some
// cells of a planned world: the faction's nobles, then each province with
// its terrain and region, the ruler group of a ruled province, inner
// locations (castles, mines with a cave inside), the characters seen there,
// and cities, port cities and safe havens with their markets.
class ReportWriter {
public:
    explicit ReportWriter(const WorldPlan& plan);

    // The report of a turn revealing the cells (indexes into plan.cells).
    QByteArray report(int turn, const ReportFaction& faction, const std::vector<int>& cells) const;

private:
    QByteArray province(int cell, int turn) const;

    const WorldPlan& plan_;
    std::vector<int> rulerOfCastle_; // per cell, the ruler whose castle stands there, 0 for none
};

// A season of reports: for each faction and turn, the cells around the
// faction's home that its nobles reached, widening turn by turn, and the
// worlds below once they have reached a tunnel.
struct SeasonReport {
    int turn;
    int faction; // index into the factions
    std::vector<int> cells;
};
std::vector<SeasonReport> planSeason(const WorldPlan& plan, int factions, int firstTurn, int turns);

} // namespace arvenna

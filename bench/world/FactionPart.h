#pragma once

#include "WorldPlan.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace arvenna {

// A faction of the generated turn reports. Its nobles are numbered from
// firstNoble on; factions of one season need ranges that do not overlap.
struct ReportFaction {
    QString name;
    QString number;
    int firstNoble;
};

// The faction's own part of a turn report: the summary with its count of
// nobles, the unit table, the (empty) unclaimed items and one block per
// noble. The nobles stand in the revealed cells; their loyalty and aura
// change from turn to turn, and in one turn of six one of them is held
// prisoner.
QByteArray factionPart(int turn, const ReportFaction& faction, const WorldPlan& plan, const std::vector<int>& cells);

} // namespace arvenna

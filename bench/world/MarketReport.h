#pragma once

#include <QByteArray>

namespace arvenna {

// The market report of a city in a turn, written after the city's paragraph:
// the table of the buy and sell offers of the city's trader (the same goods
// every turn, prices and quantities changing), or "No goods offered for
// trade." now and then. Most goods are in the built game's item catalogue,
// a few are not; some long names run onto the next line.
QByteArray marketReport(int cell, int turn, const QByteArray& trader);

} // namespace arvenna

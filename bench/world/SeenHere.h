#pragma once

#include <QByteArray>

namespace arvenna {

// The "Seen here" paragraph of a province or city in a turn: one to three of
// the world's wandering characters (numbers 2000 to 4999, each with a name
// of its own), a few marked with "*", some lines wrapped onto a second
// line. Provinces show one now and then (empty text when none); a city
// always shows one, of other characters than its province.
enum class SeenIn { Province, City };
QByteArray seenHere(int cell, int turn, SeenIn place);

} // namespace arvenna

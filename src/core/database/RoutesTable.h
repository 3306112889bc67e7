#pragma once

#include <QString>

namespace arvenna {

class Database;

// The table of our own that keeps the routes the reports list as leaving a
// province, beside the game's tables: one row per province and direction.
//   PROVINCECODE  the province left, as its province key ("ab07")
//   DIRECTION     "North", "East", "South", "West", "Up" or "Down"
//   DESTCODE      the province reached, as its province key
//   DESTNAME      the name the report gave the province reached
//   DAYS          the days the route takes; null when it is impassable
//   TURN          the turn of the report that listed it
inline const QString kRoutesTable = QStringLiteral("ROUTES");

// Whether the game has the table yet: a game of an older program gains it
// when first opened for writing.
bool hasRoutesTable(Database& database);

// The migration that creates the table.
QString addRoutesTable(Database& database);

} // namespace arvenna

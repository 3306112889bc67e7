#pragma once

#include <QString>
#include <QStringList>

namespace arvenna {

class Database;

// One change of our own to the schema of a game database (an index, a table
// beside the game's). It runs inside the transaction that records it and
// returns what the player should be told of what it changed in the game
// (empty when nothing). MDBVers stays as it is: the game's format is the
// game's, these changes are the program's.
using Migration = QString (*)(Database& database);

// The number of the latest migration: the user_version of an up-to-date game.
int latestMigration();

// Applies, in order, the migrations the game has not had yet (its
// user_version counts those it has had), each in a transaction of its own
// that also records its number, so an interrupted run resumes at the first
// one missing. Returns what they told. A game of a later program keeps its
// number. Throws DatabaseError; what was committed before stays.
QStringList migrateGame(Database& database);

} // namespace arvenna

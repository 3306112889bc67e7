#pragma once

#include "database/GameSession.h"

#include <QString>

class QCommandLineParser;

namespace arvenna {

struct OpenedGame;

// The game file a command names: a bare file name given with --home lies in
// that program directory, anything else is taken as given.
QString commandGameFile(const QCommandLineParser& parser, const QString& name);

// Opens the game database file a command names, as the "&Database" menu
// opens it (format check included): as the game's one writer, or as a
// reader beside one. kExitSuccess when the game is open (what opening it
// changed in it is told on stderr); otherwise, after saying why, kExitFailure.
int openCommandGame(const QString& path, OpenedGame& game, GameAccess access);

} // namespace arvenna

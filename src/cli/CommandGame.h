#pragma once

#include <QString>

namespace arvenna {

struct OpenedGame;

// Opens the game database file a command names, as the "&Database" menu
// opens it (format check included). kExitSuccess when the game is open;
// otherwise, after saying why, kExitFailure.
int openCommandGame(const QString& path, OpenedGame& game);

} // namespace arvenna

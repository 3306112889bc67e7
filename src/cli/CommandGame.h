#pragma once

#include <QString>

namespace arvenna {

struct GameSession;
struct MapModel;
struct MapView;

// Opens the game database file a command names, as the "&Database" menu
// opens it (format check included). kExitSuccess when the game is open;
// otherwise, after saying why, kExitFailure.
int openCommandGame(const QString& path, GameSession& session, MapModel& model, MapView& view);

} // namespace arvenna

#pragma once

#include "database/GameSession.h"

#include <QString>

class QImage;

namespace arvenna {

struct MapModel;
struct MapView;

// Opens the game database file at path as the program's one game, the way a
// "&Database" entry does: closes the game open before, refuses a database
// without a game description or of a too old format, opens the connection,
// loads the reference lists and the map into a fresh model that replaces
// model only when all of it loaded, and lays the view out as a newly opened
// map. With loadingPicture, each province is painted into it as it arrives.
// A writer holds the game's writer lock until the game is closed (see
// GameSession::open); a reader works beside a writer. A refused database, an
// engine failure (its message naming the cause) or inconsistent data throws
// DatabaseError; no game is open then. The path is taken by value: it may
// name the session's own CurrentDBName, which closing the old game empties.
GameSession::OpenResult openGame(QString path, GameSession& session, MapModel& model, MapView& view,
                                 QImage* loadingPicture = nullptr, GameAccess access = GameAccess::Reader);

// Closes the open game: the connection and the view's map.
void closeGame(GameSession& session, MapView& view);

} // namespace arvenna

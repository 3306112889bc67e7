#pragma once

#include <QString>

namespace arvenna {

class MapLoadObserver;
struct GameSession;
struct MapModel;
struct MapView;

// Opens the game database file at path as the session's game, loads its map
// and lays the view out as a newly opened map. Throws DatabaseError for a
// missing file, a file that is not a game database, a failed read or
// inconsistent reference data.
void openGameFile(GameSession& session, const QString& path, MapModel& model, MapView& view,
                  MapLoadObserver* observer = nullptr);

} // namespace arvenna

#pragma once

#include <QColor>

namespace arvenna {

class ClassProvincia;
class Database;
struct MapModel;

// Told about a load as it goes, so that the map picture can be painted while
// the rows arrive. Every call has an empty default.
class MapLoadObserver {
public:
    virtual ~MapLoadObserver() = default;
    // Before the first province: prepare the picture and let window events run.
    virtual void loadStarted() {}
    // A province has just joined the model; its cell takes this colour
    // (black for a terrain the terrain table does not know).
    virtual void provinceArrived(const ClassProvincia& /*province*/, QColor /*terrainColour*/) {}
    // After the last province: refresh the picture and let window events run.
    virtual void loadFinished() {}
};

// Rebuilds the model from the open database: provinces with their cities,
// market offers and inner locations (two levels), the grid, alliances,
// characters, factions, the kinds of inner location, the known routes and the
// grid values.
// Needs the terrains of fillTerrains. The model changes only when the whole
// load succeeds; a failure throws DatabaseError.
void loadMapModel(MapModel& model, Database& database, MapLoadObserver* observer = nullptr);

} // namespace arvenna

#pragma once

#include "KeyedCollection.h"

#include <QString>

namespace arvenna {

class Database;

struct ClassTerrain {
    qint32 TerrainColor = 0; // stored colour (0x00BBGGRR) of its palette entry
    float TerrainMovement = 0; // days to cross on foot
    QString TerrainDesc;
    qint16 TerrainId = 0;
};

// The terrains of the game. A missing key finds the fallback terrain
// "ERROR" (id 0, colour 0) that Init adds first.
class CollectTerrain : public KeyedCollection<ClassTerrain> {
public:
    static inline const QString kFallbackKey = QStringLiteral("ERROR");

    ClassTerrain& Add(qint16 TerrainId, const QString& TerrainDesc, float TerrainMovement, qint32 TerrainColor,
                      const QString& key = {});

    using KeyedCollection::Item;
    ClassTerrain& Item(const QString& key);
    const ClassTerrain& Item(const QString& key) const;

    // Replaces the contents with the fallback and every row of the TERRAIN
    // table, keyed by description (ByString) or by id. A row whose TERRCODE
    // is a whole number sets Underground (the last such row wins).
    void Init(Database& database, bool ByString);

    // The last row of the surface map, 0 when the terrain table names none.
    qint16 Underground = 0;
};

// The sea terrains of the game databases: Sea Lane and Great Sea. Sea is told
// by these ids alone, whatever the rows' descriptions say.
inline constexpr qint16 kSeaLaneTerrain = 2;
inline constexpr qint16 kGreatSeaTerrain = 3;
bool isSeaTerrain(qint16 terrainId);
// A terrain the game's terrain table lists and that is not a sea: land that
// can be crossed on foot. Terrain 0 (undiscovered, or a report's terrain word
// the table lacks) is none. terrainsById is the collection keyed by id.
bool isKnownLandTerrain(const CollectTerrain& terrainsById, qint16 terrainId);

} // namespace arvenna

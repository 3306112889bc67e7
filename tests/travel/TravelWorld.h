#pragma once

#include "MemoryMap.h"

#include <QStringList>

namespace arvenna {

// Terrain ids of the game databases.
constexpr qint16 kForest = 1, kSeaLane = 2, kGreatSea = 3, kPlain = 4, kMountain = 6, kSwamp = 7, kCloudland = 8,
                 kTunnel = 11;
// A terrain id the game's terrain table lacks.
constexpr qint16 kUnlisted = 42;

// The game's movements: forest 8, seas 2 and 3, plain 7, mountain 10, swamp 14.
void useGameMovements(MemoryMap& map);

// A world drawn as text: one string a row from row 1, one character a column
// from column 0; P plain, M mountain, W swamp, F forest, C cloudland, T
// tunnel, S sea lane, O great sea, '.' undiscovered; provinces whose terrain
// the game does not know: ? terrain 0 (a report's new terrain word), X an id
// the terrain table lacks.
void drawWorld(MemoryMap& map, const QStringList& rows);

} // namespace arvenna

#pragma once

#include "ViewCommands.h"

#include <QString>
#include <array>

namespace arvenna {

struct MapModel;
struct MapView;

// The entries of "Paralel Worlds", in menu order, with the terrain that
// marks each world's provinces.
struct ParallelWorld {
    QString name;
    QString terrain;
};
const std::array<ParallelWorld, 4>& parallelWorlds();

// What choosing a world did: the view change, or the message saying the
// game knows no province of that world yet.
struct WorldJump {
    ViewChange change;
    QString message;
};

// Moves the map window so that its top row is the first row, on the surface
// or below, holding a province of world Index (or as near as the grid's end
// lets it), with that province's column in view. Nothing happens for an
// unknown index or with no map open.
WorldJump showParallelWorld(MapView& view, const MapModel& model, int Index);

} // namespace arvenna

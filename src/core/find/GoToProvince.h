#pragma once

#include "view/ViewCommands.h"

#include <QString>

namespace arvenna {

struct MapModel;
struct MapView;

// Selects the province of a code and, unless it is in view already, moves
// the map window so that the province lies in its middle (as near as the
// grid's edges let it). Nothing happens for a code the grid lacks or with
// no map open.
ViewChange goToProvince(MapView& view, const MapModel& model, const QString& code);

} // namespace arvenna

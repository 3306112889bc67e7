#pragma once

#include "view/MapCoord.h"

#include <QString>
#include <optional>

namespace arvenna {

struct MapModel;

// The start of a route read back from its start line ("Travel From [ab 07]"):
// the row code before the first blank after the first "[", the column
// between that blank and the first "]". Nothing when a separator is missing
// or the grid has no such row or column.
std::optional<MapCoord> routeStart(const MapModel& model, const QString& startLine);

} // namespace arvenna

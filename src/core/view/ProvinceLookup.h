#pragma once

#include "MapCoord.h"

#include <QString>
#include <optional>

namespace arvenna {

class ClassProvincia;
struct MapModel;

// The code of a 1-based row position ("ab"), empty for a row the grid lacks.
QString rowCode(const MapModel& model, int row);
// The province at a place of the grid: every place inside the grid finds
// one, an undiscovered place the empty "ERROR" province.
const ClassProvincia& provinceAt(const MapModel& model, int column, const QString& rowCode);
// The same for a row code and a column already written with two digits.
const ClassProvincia& provinceAt(const MapModel& model, const QString& rowCode, const QString& twoDigitColumn);
QString twoDigitColumn(int column);
const ClassProvincia& provinceAt(const MapModel& model, MapCoord coord);
// "ab07": the row code and the two-digit column of a place of the grid.
QString provinceCodeAt(const MapModel& model, MapCoord place);
// The key of a province ("ab07"); "ERROR" for the empty province of
// undiscovered places.
QString provinceCodeOf(const ClassProvincia& province);
// The grid place of a province code such as "ab07", when the grid has it.
std::optional<MapCoord> gridPlaceOf(const MapModel& model, const QString& code);
// "ab 07": the row code, a space and the column's code.
QString coordinateText(const MapModel& model, MapCoord coord);

} // namespace arvenna

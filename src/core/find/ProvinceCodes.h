#pragma once

#include "view/MapCoord.h"

#include <QString>
#include <optional>

namespace arvenna {

struct MapModel;

// The place a typed province code names: "ab07", "AB7" and "ab 07" name the
// same one. Nothing when the grid has no such place.
std::optional<MapCoord> typedProvincePlace(const MapModel& model, const QString& text);

// The province code a character's last known location names: the last
// bracketed code of a place of the grid ("Kessra [m421], port city, in
// Harrowfield [ab08]"), else the whole text when it is one ("ab10"). Empty
// when it names none.
QString locationProvinceCode(const MapModel& model, const QString& location);

} // namespace arvenna

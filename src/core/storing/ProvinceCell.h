#pragma once

#include <QString>
#include <optional>

namespace arvenna {

struct MapModel;

// The grid cell a report's province code names.
struct ProvinceCell {
    qint16 row = 0;    // YORD: the row's position
    qint16 column = 0; // XORD
    QString key;       // the province collection's key: row code and two-digit column
};

// A province code as the game writes it: two letters naming a row of the
// grid, then the column number in one or two digits, and nothing else.
// Anything else (a castle's, a ship's or a character's number, a code with
// extra digits) names no province.
std::optional<ProvinceCell> provinceCell(const MapModel& model, const QString& code);

} // namespace arvenna

#pragma once

#include <QString>

namespace arvenna {

class Database;

// One province per cell: merges the provinces that share a cell (two
// programs storing the same report at once left them) into the one of the
// latest turn stamp, then makes the cell index unique. Returns the message
// that names how many were merged, or nothing when none were.
QString uniqueProvinceCells(Database& database);

} // namespace arvenna

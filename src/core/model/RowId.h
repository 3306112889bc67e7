#pragma once

#include <QtGlobal>

namespace arvenna {

// The id of a row that grows with the game (provinces, regions, cities,
// inner locations, castles, characters, items): 32 bits, as the database's
// counters are. A long game passes 32,767 characters seen.
using RowId = qint32;

} // namespace arvenna

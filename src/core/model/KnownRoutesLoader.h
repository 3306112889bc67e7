#pragma once

#include "KnownRoutes.h"

namespace arvenna {

class Database;

// The routes the game's route table holds; none when the game has no such
// table yet. A row whose direction is not one of the six is left out.
KnownRoutes readKnownRoutes(Database& database);

} // namespace arvenna

#pragma once

#include "StoringStage.h"

namespace arvenna {

// Stores the entries of every inner location list of the log in
// INNERLOCATIONS, nested by indentation, and removes the stale rows of the
// province or city the list belongs to.
StageResult StoreInnerLocations(StoringContext& context);

} // namespace arvenna

#pragma once

#include "StoringStage.h"

namespace arvenna {

// Stores every character of a "Seen here" list with the location it was seen
// in, unless a report of the same or a later turn stored it already.
StageResult StoreSeenCharacters(StoringContext& context);

} // namespace arvenna

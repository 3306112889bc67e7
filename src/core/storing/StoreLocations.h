#pragma once

#include "StoringStage.h"

namespace arvenna {

// Stores every city line of the log as its province's one city in LOCALS,
// keeping the province's city in the model in step.
StageResult StoreLocations(StoringContext& context);

} // namespace arvenna

#pragma once

#include "StoringStage.h"

namespace arvenna {

// Stores every province line of the log in PROVINCIAS (with its region in
// CONTINENTES) and the ruler group after it (CHARACTERS, RULLERS, the
// province's ruler) and the route list that follows it (ROUTES and the
// province's exits), keeping the model's provinces, regions and routes in step.
StageResult StoreProvinces(StoringContext& context);

} // namespace arvenna

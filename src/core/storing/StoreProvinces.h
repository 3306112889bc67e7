#pragma once

#include "StoringStage.h"

namespace arvenna {

// Stores every province line of the log in PROVINCIAS (with its region in
// CONTINENTES) and the ruler group after it (CHARACTERS, RULLERS, the
// province's ruler), keeping the model's provinces and regions in step.
StageResult StoreProvinces(StoringContext& context);

} // namespace arvenna

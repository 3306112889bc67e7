#pragma once

#include "StoringStage.h"

namespace arvenna {

// Stores the buy and sell offers of every market of a known city, replacing
// the city's older offers, adding new goods to the item catalogue and the
// offers to the city's lists in the model. A city whose stored offers are
// newer than the report ends the stage: the markets after it stay unstored.
StageResult StoreMarkets(StoringContext& context);

} // namespace arvenna

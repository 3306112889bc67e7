#pragma once

#include "StoringStage.h"

namespace arvenna {

// Stores the faction's own nobles from the report character table and the
// faction's row. A newer report replaces the faction's nobles as a whole; an
// older one leaves them as they are.
StageResult StoreCharacters(StoringContext& context);

} // namespace arvenna

#include "StoreCharacters.h"
#include "StoreInnerLocations.h"
#include "StoreLocations.h"
#include "StoreMarkets.h"
#include "StoreProvinces.h"
#include "StoreSeenCharacters.h"
#include "StoringStage.h"

namespace arvenna {

StoringStages storingStages()
{
    return {{
        {QStringLiteral("Location (Province) data"), StoreProvinces},
        {QStringLiteral("Location (cities) data"), StoreLocations},
        {QStringLiteral("Location (Inner) data"), StoreInnerLocations},
        {QStringLiteral("Character (Noble) data"), StoreCharacters},
        {QStringLiteral("Encouters (Nobles) data"), StoreSeenCharacters},
        {QStringLiteral("Market (Cities) data"), StoreMarkets},
    }};
}

} // namespace arvenna

#include "StoreInnerLocations.h"
#include "StoreLocations.h"
#include "StoreProvinces.h"
#include "StoringStage.h"

namespace arvenna {

StoringStages storingStages()
{
    return {{
        {QStringLiteral("Location (Province) data"), StoreProvinces},
        {QStringLiteral("Location (cities) data"), StoreLocations},
        {QStringLiteral("Location (Inner) data"), StoreInnerLocations},
        {QStringLiteral("Character (Noble) data"), {}},
        {QStringLiteral("Encouters (Nobles) data"), {}},
        {QStringLiteral("Market (Cities) data"), {}},
    }};
}

} // namespace arvenna

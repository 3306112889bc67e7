#pragma once

#include "EditingContext.h"

#include <QList>
#include <QString>

namespace arvenna {

// What the city frame holds when a command runs.
struct CityFrame {
    QString number;              // TxLocalNo
    QString name;                // TxLocalName
    int typePosition = 0;        // CmbLocalType, 0 for "[None]"
    bool safeHaven = false;      // ChkSafeHeaven
    // The selected entries of LstLocalSkill. Its entry 0, "[none]", stands
    // for no skill: selected alone, like no selection, it stores none.
    QList<int> skillPositions;
};

// Stores the frame as the city of the selected cell's province (one city a
// province: a second one overwrites the first) with the skills it teaches,
// and keeps the model's city in step. Number and name are stored as typed.
CellRepaint updateCity(const EditingContext& context, const CityFrame& frame);
// Deletes the city with its skill and market rows after the player
// confirms; refused while it still holds inner locations.
CellRepaint deleteCity(const EditingContext& context);

} // namespace arvenna

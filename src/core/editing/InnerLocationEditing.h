#pragma once

#include "EditingContext.h"
#include "model/InnerLocationFrame.h"

#include <QString>

namespace arvenna {

// The codes of the pick list's lines that stand for the province and its city.
inline const QString kProvinceLine = QStringLiteral("Province");
inline const QString kCityLine = QStringLiteral("City");

// Stores the inner location frame. With no inner location picked (frame.id
// empty, or the province or city line picked) it adds one to the province,
// or to the city when pickedLine is the city line. With a first-level one
// picked it changes that one; when the number typed differs the player
// chooses between a new inner location inside it and renumbering it.
// Nested ones cannot be picked: two levels at most. Islands only at sea.
// Entrance size and travel days are whole numbers from 0 to 32767; empty
// travel days keep the stored value.
CellRepaint updateInnerLocation(const EditingContext& context, const InnerLocationFrame& frame,
                                const QString& pickedLine);
// Deletes the picked inner location after the player confirms; refused
// while other inner locations lie inside it.
CellRepaint deleteInnerLocation(const EditingContext& context, const InnerLocationFrame& frame);
// The frame for a picked line of the list: the stored values of an inner
// location, empty boxes for the province and city lines.
InnerLocationFrame pickInnerLine(const EditingContext& context, const QString& code);

} // namespace arvenna

#pragma once

#include "model/ReferenceLists.h"
#include "model/RowId.h"

namespace arvenna {

// The id a choice position of a frame stands for; 0 for the "no value"
// entry at position 0, for no choice and for an id that is not a number.
inline RowId chosenId(const ReferenceList& list, int position)
{
    return position > 0 && position < list.ids.size() ? list.ids.at(position).toInt() : RowId(0);
}

} // namespace arvenna

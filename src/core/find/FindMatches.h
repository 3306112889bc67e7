#pragma once

#include "FindIndex.h"
#include "FindMatch.h"

#include <QString>

namespace arvenna {

struct MapModel;

// The matches of a typed text, at most kFindLimit of them, in this order:
// first the province a code names ("ab07", "AB7", "ab 07"; a place not yet
// discovered is listed without a name) and whatever has the text as its
// number; then the names that begin with the text, then the names holding it
// elsewhere, each group in list order. Letter case is ignored (letters
// beyond ASCII too); every other character, quotes, "%" and "_" included,
// stands for itself. Blanks around the text are dropped; a blank text finds
// nothing.
FindResult findMatches(const MapModel& model, const FindIndex& index, const QString& text);

} // namespace arvenna

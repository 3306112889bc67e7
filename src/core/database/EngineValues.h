#pragma once

#include <QVariant>

struct sqlite3_stmt;

namespace arvenna {

// Whether the engine copies a bound text, or reads it where it is: only when
// the value outlives every step of the statement and is bound again before
// the next use.
enum class BoundText { Copied, Borrowed };

// Binds a value to a statement's placeholder (from 1), by the value's kind:
// whole numbers and flags as integers, floating point as reals, a null as
// null, everything else as its text. Gives the engine's result code.
int bindEngineValue(sqlite3_stmt* statement, int index, const QVariant& value, BoundText text = BoundText::Copied);

// A column of the current row as the engine stored it: null, a whole number
// (qint64), a real, a blob (QByteArray) or text (QString).
QVariant engineColumnValue(sqlite3_stmt* statement, int column);

} // namespace arvenna

#pragma once

#include <QString>
#include <QVariant>

namespace arvenna {

// Whole numbers of the model are 16-bit ("Integer") or 32-bit ("Long");
// a stored value that does not fit fails with a DatabaseError naming the field.
qint16 toInteger(const QVariant& value, const QString& field);
qint32 toLong(const QVariant& value, const QString& field);

// The "00" number pattern: a whole number is written with at least two
// digits (7 gives 07), any other text is returned unchanged.
QString formatTwoDigits(const QString& text);

} // namespace arvenna

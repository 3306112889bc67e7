#pragma once

#include <QString>
#include <QVariant>

namespace arvenna {

// A value read from an Access file converted to a column of the declared
// type (whole numbers, single-precision numbers or text, by the engine's
// affinity rules). Null when it is null or cannot be converted (text that is
// no number, a fraction for a whole number).
QVariant columnValue(const QVariant& value, const QString& declaredType);

} // namespace arvenna

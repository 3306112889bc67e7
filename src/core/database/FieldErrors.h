#pragma once

#include "DatabaseError.h"

namespace arvenna {

// Finding a result column by name fails alike in every reader of rows.
inline DatabaseError missingFieldError(const QString& field)
{
    return DatabaseError(QStringLiteral("Item not found in this collection: field '%1'.").arg(field));
}

// A bare name that several columns share (a join) is refused, never guessed.
inline DatabaseError ambiguousFieldError(const QString& field)
{
    return DatabaseError(QStringLiteral("The field '%1' is ambiguous: name it as Table.Field.").arg(field));
}

} // namespace arvenna

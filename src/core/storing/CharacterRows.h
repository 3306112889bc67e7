#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QStringList>
#include <optional>

namespace arvenna {

class PreparedStatements;

// A character's stored row, found by its number.
struct StoredCharacter {
    QVariant id;
    qint64 turn = 0; // CharacterTurnInfo
};

// The first row of the character with that number, if any.
std::optional<StoredCharacter> findCharacter(PreparedStatements& statements, const QString& number);

// Writes the fields (names and values in the same order) into the found
// row, or into a new row when there is none.
void writeCharacter(PreparedStatements& statements, const std::optional<StoredCharacter>& found,
                    const QStringList& fields, const QVariantList& values);

} // namespace arvenna

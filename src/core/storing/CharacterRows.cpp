#include "CharacterRows.h"

#include "PreparedStatements.h"

namespace arvenna {

std::optional<StoredCharacter> findCharacter(PreparedStatements& statements, const QString& number)
{
    const std::optional<QVariantList> row = statements.firstRow(
        QStringLiteral("SELECT CharacterID, CharacterTurnInfo FROM CHARACTERS WHERE CHARACTERNUMBER = ? "
                       "ORDER BY CharacterID"),
        {number});
    if (!row)
        return std::nullopt;
    return StoredCharacter{row->at(0), row->at(1).toLongLong()};
}

void writeCharacter(PreparedStatements& statements, const std::optional<StoredCharacter>& found,
                    const QStringList& fields, const QVariantList& values)
{
    if (found) {
        statements.execute(QStringLiteral("UPDATE CHARACTERS SET %1 = ? WHERE CharacterID = ?")
                               .arg(fields.join(QStringLiteral(" = ?, "))),
                           values + QVariantList{found->id});
        return;
    }
    const QStringList placeholders(fields.size(), QStringLiteral("?"));
    statements.execute(QStringLiteral("INSERT INTO CHARACTERS (%1) VALUES (%2)")
                           .arg(fields.join(QStringLiteral(", ")), placeholders.join(QStringLiteral(", "))),
                       values);
}

} // namespace arvenna

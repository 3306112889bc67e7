#include "Characters.h"

#include "ModelValues.h"
#include "database/Database.h"
#include "database/RowReader.h"

namespace arvenna {

// A long game holds tens of thousands of characters seen: their columns are
// found once and read by position.
CollectCharacter::CollectCharacter(Database& database)
{
    RowReader rows(database, QStringLiteral("Select * From CHARACTERS"));
    const int id = rows.column(QStringLiteral("CharacterID"));
    const int name = rows.column(QStringLiteral("CHARACTERNAME"));
    const int number = rows.column(QStringLiteral("CHARACTERNUMBER"));
    const int faction = rows.column(QStringLiteral("CHARACTERFACTION"));
    const int loyalty = rows.column(QStringLiteral("CHARACTERLOYALTY"));
    const int aura = rows.column(QStringLiteral("CHARACTERMAXIMUMAURA"));
    const int location = rows.column(QStringLiteral("CharacterLastLocationKnown"));
    const int turn = rows.column(QStringLiteral("CharacterTurnInfo"));
    while (rows.next()) {
        const RowId key = toLong(rows.value(id), QStringLiteral("CharacterID"));
        Add(key, rows.text(name), rows.text(number), rows.text(faction), rows.text(loyalty),
            toInteger(rows.value(aura), QStringLiteral("CHARACTERMAXIMUMAURA")), rows.text(location),
            toInteger(rows.value(turn), QStringLiteral("CharacterTurnInfo")), QString::number(key));
    }
}

ClassCharacter& CollectCharacter::Add(RowId CharacterID, const QString& CharacterName, const QString& CharacterNo,
                                      const QString& CharacterFaction, const QString& CharacterLoyalty,
                                      qint16 CharacterMaxAura, const QString& CharacterLastLocation,
                                      qint16 CharacterTurn, const QString& key)
{
    return store(std::make_unique<ClassCharacter>(ClassCharacter{CharacterTurn, CharacterLastLocation,
                                                                 CharacterMaxAura, CharacterLoyalty, CharacterFaction,
                                                                 CharacterNo, CharacterName, CharacterID}),
                 key);
}

} // namespace arvenna

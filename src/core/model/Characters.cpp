#include "Characters.h"

#include "ModelValues.h"
#include "database/Database.h"

namespace arvenna {

CollectCharacter::CollectCharacter(Database& database)
{
    RecordSet rows = database.openRecordSet(QStringLiteral("Select * From CHARACTERS"), RecordSetType::Snapshot);
    for (; !rows.isEOF(); rows.moveNext()) {
        const qint16 id = toInteger(rows.value(QStringLiteral("CharacterID")), QStringLiteral("CharacterID"));
        Add(id, rows.text(QStringLiteral("CHARACTERNAME")), rows.text(QStringLiteral("CHARACTERNUMBER")),
            rows.text(QStringLiteral("CHARACTERFACTION")), rows.text(QStringLiteral("CHARACTERLOYALTY")),
            toInteger(rows.value(QStringLiteral("CHARACTERMAXIMUMAURA")), QStringLiteral("CHARACTERMAXIMUMAURA")),
            rows.text(QStringLiteral("CharacterLastLocationKnown")),
            toInteger(rows.value(QStringLiteral("CharacterTurnInfo")), QStringLiteral("CharacterTurnInfo")),
            QString::number(id));
    }
}

ClassCharacter& CollectCharacter::Add(qint16 CharacterID, const QString& CharacterName, const QString& CharacterNo,
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

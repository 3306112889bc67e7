#pragma once

#include "KeyedCollection.h"
#include "RowId.h"

#include <QString>

namespace arvenna {

class Database;

struct ClassCharacter {
    qint16 CharacterTurn = 0; // CharacterTurnInfo
    QString CharacterLastLocation;
    qint16 CharacterMaxAura = 0;
    QString CharacterLoyalty;
    QString CharacterFaction;
    QString CharacterNo;
    QString CharacterName;
    RowId CharacterID = 0;
};

// The characters owned or seen, read from CHARACTERS on creation, keyed by CharacterID.
class CollectCharacter : public KeyedCollection<ClassCharacter> {
public:
    CollectCharacter() = default;
    explicit CollectCharacter(Database& database);

    ClassCharacter& Add(RowId CharacterID, const QString& CharacterName, const QString& CharacterNo,
                        const QString& CharacterFaction, const QString& CharacterLoyalty, qint16 CharacterMaxAura,
                        const QString& CharacterLastLocation, qint16 CharacterTurn, const QString& key = {});
};

} // namespace arvenna

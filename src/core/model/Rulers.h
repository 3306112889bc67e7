#pragma once

#include "KeyedCollection.h"
#include "RowId.h"

#include <QString>

namespace arvenna {

class Database;

// A ruled castle and its ruler.
struct ClassRuler {
    qint32 RullerColour = 0;
    QString CastleNo;         // RULLERNO
    RowId CastleID = 0;      // RULLERID
    QString ProvinceID;       // province code of the castle's province
    QString CastleName;       // RULLERNAME
    QString RulerCastelionID; // CharacterID of the ruling character, as text
    qint16 RulerAllianceID = 0;
};

// The rulers, read from RULLERS on creation in order of name, keyed by RULLERID.
class CollectRuller : public KeyedCollection<ClassRuler> {
public:
    CollectRuller() = default;
    explicit CollectRuller(Database& database);

    ClassRuler& Add(qint16 RulerAllianceID, const QString& RulerCastelionID, const QString& CastleName,
                    const QString& ProvinceID, RowId CastleID, const QString& CastleNo, qint32 RullerColour,
                    const QString& key = {});
};

} // namespace arvenna

#include "Continents.h"

#include "ModelValues.h"
#include "database/Database.h"

namespace arvenna {

CollectContinents::CollectContinents(Database& database)
{
    RecordSet rows = database.openRecordSet(QStringLiteral("SELECT * FROM CONTINENTES"), RecordSetType::Snapshot);
    for (; !rows.isEOF(); rows.moveNext()) {
        const RowId id = toLong(rows.value(QStringLiteral("CONTID")), QStringLiteral("CONTID"));
        Add(rows.text(QStringLiteral("CONTDESCRIPTION")), id,
            toLong(rows.value(QStringLiteral("CONTCOLOR")), QStringLiteral("CONTCOLOR")), QString::number(id));
    }
}

ClassContinents& CollectContinents::Add(const QString& ContinentName, RowId ContinentId, qint32 ContinentColor,
                                        const QString& key)
{
    return store(std::make_unique<ClassContinents>(ClassContinents{ContinentColor, ContinentId, ContinentName}), key);
}

} // namespace arvenna

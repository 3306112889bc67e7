#include "Alliances.h"

#include "ModelValues.h"
#include "database/Database.h"

namespace arvenna {

CollectAlliance::CollectAlliance(Database& database)
{
    RecordSet rows = database.openRecordSet(QStringLiteral("Select * From Alliances"), RecordSetType::Snapshot);
    for (; !rows.isEOF(); rows.moveNext()) {
        const qint16 id = toInteger(rows.value(QStringLiteral("ALLIANCEID")), QStringLiteral("ALLIANCEID"));
        Add(rows.text(QStringLiteral("ALLIANCENAME")), id,
            toLong(rows.value(QStringLiteral("ALLIANCECOLOUR")), QStringLiteral("ALLIANCECOLOUR")),
            rows.text(QStringLiteral("ALLIANCEDESC")), QString::number(id));
    }
}

ClassAlliance& CollectAlliance::Add(const QString& AllianceName, qint16 AllianceID, qint32 AllianceColour,
                                    const QString& AllianceDesc, const QString& key)
{
    return store(std::make_unique<ClassAlliance>(ClassAlliance{AllianceDesc, AllianceColour, AllianceID, AllianceName}),
                 key);
}

} // namespace arvenna

#include "Rulers.h"

#include "ModelValues.h"
#include "database/Database.h"

namespace arvenna {

CollectRuller::CollectRuller(Database& database)
{
    RecordSet rows =
        database.openRecordSet(QStringLiteral("Select * From RULLERS order by RullerName"), RecordSetType::Snapshot);
    for (; !rows.isEOF(); rows.moveNext()) {
        const RowId id = toLong(rows.value(QStringLiteral("RULLERID")), QStringLiteral("RULLERID"));
        Add(toInteger(rows.value(QStringLiteral("ALLIANCEID")), QStringLiteral("ALLIANCEID")),
            rows.text(QStringLiteral("RULLERNOBLEID")), rows.text(QStringLiteral("RULLERNAME")),
            rows.text(QStringLiteral("CASTLEPROVID")), id, rows.text(QStringLiteral("RULLERNO")),
            toLong(rows.value(QStringLiteral("RULLERCOLOUR")), QStringLiteral("RULLERCOLOUR")), QString::number(id));
    }
}

ClassRuler& CollectRuller::Add(qint16 RulerAllianceID, const QString& RulerCastelionID, const QString& CastleName,
                               const QString& ProvinceID, RowId CastleID, const QString& CastleNo,
                               qint32 RullerColour, const QString& key)
{
    return store(std::make_unique<ClassRuler>(ClassRuler{RullerColour, CastleNo, CastleID, ProvinceID, CastleName,
                                                         RulerCastelionID, RulerAllianceID}),
                 key);
}

} // namespace arvenna

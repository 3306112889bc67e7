#include "Factions.h"

#include "database/Database.h"

namespace arvenna {

CollectFactions::CollectFactions(Database& database)
{
    RecordSet rows =
        database.openRecordSet(QStringLiteral("Select * From Factions order by FactionNumber"), RecordSetType::Snapshot);
    for (; !rows.isEOF(); rows.moveNext()) {
        const QString number = rows.text(QStringLiteral("FACTIONNUMBER"));
        Add(rows.text(QStringLiteral("FACTIONNAME")), number, rows.text(QStringLiteral("FACTIONCONTACT")), number);
    }
}

ClassFaction& CollectFactions::Add(const QString& FactionName, const QString& FactionNumber,
                                   const QString& FactionContact, const QString& key)
{
    return store(std::make_unique<ClassFaction>(ClassFaction{FactionContact, FactionNumber, FactionName}), key);
}

} // namespace arvenna

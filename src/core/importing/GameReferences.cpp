#include "GameReferences.h"

#include "../database/Database.h"

namespace arvenna {

namespace {
struct Reference {
    const char* table;
    const char* field;
    const char* target;
    const char* id;
};

const Reference kReferences[] = {
    {"PROVINCIAS", "TERRAINID", "TERRAIN", "TERRAINID"},
    {"PROVINCIAS", "CONTINENTID", "CONTINENTES", "CONTID"},
    {"PROVINCIAS", "RULLERID", "RULLERS", "RULLERID"},
    {"RULLERS", "ALLIANCEID", "ALLIANCES", "ALLIANCEID"},
    {"LOCALS", "PROVINCEID", "PROVINCIAS", "PROVINCIAID"},
    {"LOCALS", "LocationTypeID", "LOCATIONTYPE", "LocalTypeid"},
    {"INNERLOCATIONS", "ProvinceID", "PROVINCIAS", "PROVINCIAID"},
    {"INNERLOCATIONS", "LocalLocationID", "LOCALS", "LOCALID"},
    {"INNERLOCATIONS", "InnerID", "INNERLOCATIONS", "INNERLOCALID"},
    {"INNERLOCATIONS", "InnerTypeID", "INNERTYPES", "InnerTypeID"},
    {"SKILLSBYLOCAL", "LOCALID", "LOCALS", "LOCALID"},
    {"SKILLSBYLOCAL", "SKILLTYPEID", "SKILLS", "SkillID"},
    {"MARKETTRANSACTIONS", "LocalID", "LOCALS", "LOCALID"},
    {"MARKETTRANSACTIONS", "ItemID", "ITEMS", "ITEMID"},
};
} // namespace

QStringList danglingReferences(Database& database)
{
    QStringList notes;
    for (const Reference& reference : kReferences) {
        const QString field = QLatin1String(reference.field);
        RecordSet count = database.openRecordSet(
            QStringLiteral("SELECT COUNT(*) AS dangling FROM %1 WHERE %2 IS NOT NULL AND %2 <> 0 "
                           "AND %2 NOT IN (SELECT %3 FROM %4)")
                .arg(QLatin1String(reference.table), field, QLatin1String(reference.id),
                     QLatin1String(reference.target)),
            RecordSetType::Snapshot);
        const qint64 dangling = count.value(QStringLiteral("dangling")).toLongLong();
        if (dangling > 0)
            notes << QStringLiteral("%1.%2: %3 %4 to rows missing from %5, kept as they are")
                         .arg(QLatin1String(reference.table), field)
                         .arg(dangling)
                         .arg(dangling == 1 ? QStringLiteral("reference") : QStringLiteral("references"),
                              QLatin1String(reference.target));
    }
    return notes;
}

} // namespace arvenna

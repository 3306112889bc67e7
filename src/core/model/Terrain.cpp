#include "Terrain.h"

#include "ClassicPalette.h"
#include "ModelValues.h"
#include "database/Database.h"

namespace arvenna {

ClassTerrain& CollectTerrain::Add(qint16 TerrainId, const QString& TerrainDesc, float TerrainMovement,
                                  qint32 TerrainColor, const QString& key)
{
    return store(std::make_unique<ClassTerrain>(ClassTerrain{TerrainColor, TerrainMovement, TerrainDesc, TerrainId}),
                 key);
}

ClassTerrain& CollectTerrain::Item(const QString& key)
{
    if (ClassTerrain* terrain = find(key))
        return *terrain;
    return KeyedCollection::Item(kFallbackKey);
}

const ClassTerrain& CollectTerrain::Item(const QString& key) const
{
    if (const ClassTerrain* terrain = find(key))
        return *terrain;
    return KeyedCollection::Item(kFallbackKey);
}

void CollectTerrain::Init(Database& database, bool ByString)
{
    CollectTerrain filled;
    filled.Add(0, QString(), 0, 0, kFallbackKey);
    RecordSet rows = database.openRecordSet(QStringLiteral("Select * From Terrain"), RecordSetType::Snapshot);
    for (; !rows.isEOF(); rows.moveNext()) {
        const QString description = rows.text(QStringLiteral("TERRAINDESCRIPTION"));
        const qint16 id = toInteger(rows.value(QStringLiteral("TERRAINID")), QStringLiteral("TERRAINID"));
        filled.Add(id, description, float(rows.number(QStringLiteral("TERRAINMOVEMENT"))),
                   paletteColour(rows.integer(QStringLiteral("TERRAINCOLOR"))),
                   ByString ? description : QString::number(id));
        bool numeric = false;
        const QString code = rows.text(QStringLiteral("TERRCODE")).trimmed();
        code.toLongLong(&numeric);
        if (numeric)
            filled.Underground = toInteger(code, QStringLiteral("TERRCODE"));
    }
    *this = std::move(filled);
}

bool isSeaTerrain(qint16 terrainId)
{
    return terrainId == kSeaLaneTerrain || terrainId == kGreatSeaTerrain;
}

bool isKnownLandTerrain(const CollectTerrain& terrainsById, qint16 terrainId)
{
    return terrainId != 0 && !isSeaTerrain(terrainId) && terrainsById.find(QString::number(terrainId)) != nullptr;
}

} // namespace arvenna

#include "ReferenceLists.h"

#include "ClassicPalette.h"
#include "MapModel.h"
#include "database/Database.h"

namespace arvenna {

namespace {
const QString kNone = QStringLiteral("[None]");

ReferenceList startedList(const QString& firstName = kNone, const QString& firstId = QString())
{
    return ReferenceList{{firstName}, {firstId}, 0};
}

void append(ReferenceList& list, const QString& name, qint64 id)
{
    list.names << name;
    list.ids << QString::number(id);
}

ReferenceList listFromTable(Database& database, const QString& sql, const QString& nameField, const QString& idField)
{
    ReferenceList list = startedList();
    RecordSet rows = database.openRecordSet(sql, RecordSetType::Snapshot);
    for (; !rows.isEOF(); rows.moveNext())
        append(list, rows.text(nameField), rows.integer(idField));
    return list;
}

// The legend shows these terrains, in this order.
const QStringList kLegendTerrains{
    QStringLiteral("Forest"),   QStringLiteral("Great Sea"), QStringLiteral("Plain"), QStringLiteral("Desert"),
    QStringLiteral("Mountain"), QStringLiteral("Swamp"),     QStringLiteral("Cloudland"), QStringLiteral("Tunnel"),
    QStringLiteral("Sea Lane"), QStringLiteral("Hades"),     QStringLiteral("Faery"),
};
} // namespace

QColor LegendSwatch::colour() const
{
    return toQColor(TerrainColor);
}

void fillContinents(MapModel& model, Database& database)
{
    model.Continents = CollectContinents(database);
    ReferenceList list = startedList();
    for (const ClassContinents& continent : model.Continents)
        append(list, continent.ContinentName, continent.ContinentId);
    model.lists.ProvContinent = std::move(list);
}

void fillTerrains(MapModel& model, Database& database)
{
    model.TerrainsByID.Init(database, false);
    model.TerrainsByDesc.Init(database, true);
    model.UndergroundRow = model.TerrainsByID.Underground;
    ReferenceList list = startedList();
    for (int position = 2; position <= model.TerrainsByID.Count(); ++position) {
        const ClassTerrain& terrain = model.TerrainsByID.Item(position);
        append(list, terrain.TerrainDesc, terrain.TerrainId);
    }
    model.lists.ProvTerrain = std::move(list);
    model.lists.legend.clear();
    for (const QString& description : kLegendTerrains)
        model.lists.legend.append({description, model.TerrainsByDesc.Item(description).TerrainColor});
}

void fillCityTypes(MapModel& model, Database& database)
{
    model.lists.LocalType = listFromTable(database, QStringLiteral("Select * From LocationType"),
                                          QStringLiteral("LocalTypeDescription"), QStringLiteral("LocalTypeid"));
}

void fillSkills(MapModel& model, Database& database)
{
    ReferenceList list = startedList(QStringLiteral("[none]"), QStringLiteral("None"));
    list.selected = -1;
    RecordSet rows = database.openRecordSet(QStringLiteral("Select * From SKILLS where skillmusthave = ?"),
                                            RecordSetType::Snapshot, {0});
    for (; !rows.isEOF(); rows.moveNext())
        append(list,
               rows.text(QStringLiteral("SkillNAme")) + QStringLiteral(" [") + rows.text(QStringLiteral("SkillNo"))
                   + QLatin1Char(']'),
               rows.integer(QStringLiteral("SkillID")));
    model.lists.LocalSkill = std::move(list);
}

void fillInnerLocationTypes(MapModel& model, Database& database)
{
    model.lists.InnerType = listFromTable(database, QStringLiteral("Select * From INNERTYPES"),
                                          QStringLiteral("TerrainDescription"), QStringLiteral("InnerTypeID"));
}

void fillRulers(MapModel& model, Database& database)
{
    model.Rulers = CollectRuller(database);
    ReferenceList list = startedList();
    for (const ClassRuler& ruler : model.Rulers)
        append(list, ruler.CastleName, ruler.CastleID);
    model.lists.ProvRuller = std::move(list);
}

void fillReferenceLists(MapModel& model, Database& database)
{
    fillContinents(model, database);
    fillTerrains(model, database);
    fillCityTypes(model, database);
    fillSkills(model, database);
    fillInnerLocationTypes(model, database);
    fillRulers(model, database);
}

} // namespace arvenna

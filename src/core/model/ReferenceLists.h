#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

namespace arvenna {

class Database;
struct MapModel;

// A choice offered by an editing frame: the names shown and the ids kept at
// the same positions. Position 0 is the "no value" entry; a chosen position
// p > 0 means ids[p].
struct ReferenceList {
    QStringList names;
    QStringList ids;
    int selected = -1; // position to select, -1 for no selection

    bool operator==(const ReferenceList&) const = default;
};

// One swatch of the terrain legend: the terrain it stands for and its colour.
struct LegendSwatch {
    QString TerrainDesc;
    qint32 TerrainColor = 0; // stored colour, black when the terrain is missing

    QColor colour() const;
    bool operator==(const LegendSwatch&) const = default;
};

// The lists of the province, city and inner location frames, named after
// the choice boxes that show them, and the terrain legend.
struct ReferenceLists {
    ReferenceList ProvContinent;
    ReferenceList ProvTerrain;
    ReferenceList LocalType;
    ReferenceList LocalSkill;
    ReferenceList InnerType;
    ReferenceList ProvRuller;
    QList<LegendSwatch> legend;
};

// Each fill replaces its list; continents, terrains and rulers also rebuild
// the model's Continents, TerrainsByID, TerrainsByDesc (with UndergroundRow)
// and Rulers. Engine failures throw DatabaseError.
void fillContinents(MapModel& model, Database& database);
void fillTerrains(MapModel& model, Database& database);
void fillCityTypes(MapModel& model, Database& database);
void fillSkills(MapModel& model, Database& database);
void fillInnerLocationTypes(MapModel& model, Database& database);
void fillRulers(MapModel& model, Database& database);
// All six, in the order a map opening needs them.
void fillReferenceLists(MapModel& model, Database& database);

} // namespace arvenna

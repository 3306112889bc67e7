#pragma once

#include "Alliances.h"
#include "Characters.h"
#include "Continents.h"
#include "Factions.h"
#include "Coordinates.h"
#include "InnerTypeTable.h"
#include "KnownRoutes.h"
#include "Province.h"
#include "ReferenceLists.h"
#include "Rulers.h"
#include "Terrain.h"

#include <QString>

namespace arvenna {

// Where the map starts and how large it is, as the model loader found it.
struct MapGrid {
    QString StartColumn;      // "STARTX" setting, else the first column's position
    QString StartRow;         // "STARTY" setting, else the first row's position
    QString ColumnRangeLabel; // "(Valid from 00 to 99)"
    QString RowRangeLabel;    // first row code to the code of UndergroundRow
    int ColumnCount = 0;      // columns of the grid
    int SurfaceRowCount = 0;  // rows up to UndergroundRow
};

// Everything the program knows of the open map. The application owns one
// and hands it to whatever reads or changes the map; opening a map refills it.
struct MapModel {
    CollectProvincia Provinces;
    CollectTerrain TerrainsByID;
    CollectTerrain TerrainsByDesc;
    CollectXCoord XCoords;
    CollectYCoord YCoordsByCode;
    CollectYCoord YCoordsByNum;
    CollectContinents Continents;
    CollectRuller Rulers;
    CollectAlliance Alliances;
    CollectCharacter Characters;
    CollectFactions Factions;
    InnerTypeArray InnerTypeTable;
    KnownRoutes Routes; // the routes the reports listed, by province
    qint16 UndergroundRow = 0; // last row of the surface map
    MapGrid grid;
    ReferenceLists lists;
};

} // namespace arvenna

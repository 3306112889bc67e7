#pragma once

#include "MapCoord.h"
#include "ProvinceRoutes.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace arvenna {

class Database;
struct ClassRuler;
struct MapModel;

// Everything the panels of the main window show for one province, named
// after the controls that show it. The window clears its lists and fills
// them with these values; a choice position of -1 means no selection.
struct ProvinceInfo {
    QString provinceKey;       // the current province ("ab07", "ERROR" when undiscovered)
    QStringList LstShowDet;    // the details list, line by line
    QString Text4;             // continent name, "[None]" when there is none
    QString coordinateText;    // OutProvinceCoord, OutLocalCoord, OutInnerCoord, OutMarketProv1
    // Province frame.
    QString TxtProvName;
    QString TxtPeasants;
    int CmbProvContinent = -1; // positions in model.lists.ProvContinent
    int CmbProvTerrain = -1;   // ... ProvTerrain
    int CmbProvRuller = -1;    // ... ProvRuller
    // City frame.
    QString TxLocalID;
    QString TxLocalNo;
    QString TxLocalName;
    QString LblLocalName1;
    bool ChkSafeHeaven = false;
    int CmbLocalType = -1;      // position in model.lists.LocalType
    QList<int> LstLocalSkill;   // positions in model.lists.LocalSkill to select
    // Inner location frame: the pick list with its parallel codes.
    QStringList LstInner;
    QStringList LstInnerCodes;  // "Province", "City" or an InnerLocalID
    int LstInnerSelected = -1;
    // Market tab.
    QStringList LstMarket;
    // Routes tab: the routes known to leave the province.
    QList<RouteRow> LstRoutes;

    bool operator==(const ProvinceInfo&) const = default;
};

// The panels for the province at Coord, from the model and, for exits,
// item names and city skills, from the open game database. The selection
// marks are drawn separately (MapPictures::markSelection). Engine failures
// throw DatabaseError.
ProvinceInfo ShowProvinceInfo(const MapModel& model, Database& database, MapCoord Coord);

// The code of a ruler's castle province ("aa34"): the province's own when it
// is on the map, else the code the ruler row holds (an undiscovered province).
QString castleProvinceCode(const MapModel& model, const ClassRuler& ruler);

} // namespace arvenna

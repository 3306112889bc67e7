#include "ProvinceInfo.h"

#include "ProvinceLookup.h"
#include "database/Database.h"
#include "model/MapModel.h"
#include "model/ModelValues.h"

#include <QtMath>
#include <algorithm>

namespace arvenna {

namespace {
const QString kFirstLevel(10, QLatin1Char(' '));
const QString kSecondLevel(13, QLatin1Char(' '));

int positionOf(const QStringList& entries, const QString& text)
{
    return entries.isEmpty() ? -1 : std::max(0, int(entries.indexOf(text)));
}

// The ruler block of a ruled province: ruler line, castle line, castle province line.
struct RulerLines {
    QString ruler;
    QString castle;
    QString castleProvince;
};

RulerLines rulerLines(const MapModel& model, RowId rulerId)
{
    const ClassRuler* ruler = rulerId > 0 ? model.Rulers.find(QString::number(rulerId)) : nullptr;
    if (!ruler)
        return {};
    const ClassProvincia& castleProvince = model.Provinces.Item(ruler->ProvinceID);
    const ClassCharacter* noble = model.Characters.find(ruler->RulerCastelionID);
    return {QStringLiteral("Ruled by : ") + (noble ? noble->CharacterName : QString()) + QStringLiteral(" [")
                + (noble ? noble->CharacterNo : QString()) + QLatin1Char(']'),
            QStringLiteral("   in ") + ruler->CastleName + QStringLiteral(" [") + ruler->CastleNo + QLatin1Char(']'),
            QStringLiteral("     in ") + castleProvince.ProvinceName + QStringLiteral(" [")
                + castleProvinceCode(model, *ruler) + QLatin1Char(']')};
}

QString typeName(const MapModel& model, qint16 type)
{
    return type >= 1 && type <= model.InnerTypeTable.count() ? model.InnerTypeTable.at(type).TerrainDescription
                                                             : QString();
}

// One inner location line and its entry in the pick list.
void addInner(ProvinceInfo& info, const MapModel& model, const ClassLocation& inner, const QString& indent)
{
    const QString line = indent + inner.LocationName + QStringLiteral(" [") + inner.LocationNo + QStringLiteral("] ")
                         + typeName(model, inner.LocationType)
                         + (inner.LocalHidden ? QStringLiteral(" (Hidden)") : QString());
    info.LstShowDet << line;
    info.LstInner << line;
    info.LstInnerCodes << QString::number(inner.LocationID);
}

// The inner locations of a list and those inside them; onEach runs after each
// top-level one and its contents.
template <typename AfterEach>
void addInnerLocations(ProvinceInfo& info, const MapModel& model, const CollecInnerLocation& list,
                       AfterEach afterEach)
{
    for (const ClassLocation& inner : list) {
        addInner(info, model, inner, kFirstLevel);
        for (const ClassLocation& nested : inner.CollecInnerLocation())
            addInner(info, model, nested, kSecondLevel);
        afterEach(inner);
    }
}

RecordSet provinceRow(Database& database, MapCoord coord)
{
    return database.openRecordSet(QStringLiteral("SELECT * FROM PROVINCIAS WHERE XORD = ? AND YORD = ?"),
                                  RecordSetType::Snapshot, {qFloor(coord.X), qFloor(coord.Y)});
}

QStringList marketLines(Database& database, const QString& kind, const CollectMarket& offers)
{
    QStringList lines;
    for (const ClassMarket& offer : offers) {
        RecordSet item = database.openRecordSet(QStringLiteral("SELECT * FROM ITEMS WHERE ITEMID = ?"),
                                                RecordSetType::Snapshot, {offer.TransItemID});
        const QString name = item.isEOF() ? QString() : item.text(QStringLiteral("ItemName"));
        const QString number = item.isEOF() ? QString() : item.text(QStringLiteral("ITEMNO"));
        lines << kind + QString::number(offer.TransItemQuant) + QStringLiteral("   ") + name + QLatin1Char('[')
                     + number + QStringLiteral("]  for  ") + QString::number(offer.TransItemPrice);
    }
    return lines;
}

QStringList marketBlock(Database& database, const ClassLocation& city)
{
    const CollectMarket& buy = city.CollecMArketBuy();
    const CollectMarket& sell = city.CollecMArketSell();
    if (buy.Count() == 0 && sell.Count() == 0)
        return {};
    const qint16 turn = buy.Count() > 0 ? buy.Item(1).TransactionTurn : sell.Item(1).TransactionTurn;
    const QString rule = QStringLiteral("------------------");
    return QStringList{QString()} + marketLines(database, QStringLiteral("Sell  "), sell) + QStringList{QString()}
           + marketLines(database, QStringLiteral("Buy  "), buy)
           + QStringList{QString(), rule, QStringLiteral("On turn ") + QString::number(turn), rule};
}

QList<int> taughtSkills(const MapModel& model, Database& database, RowId provinceId)
{
    QList<int> positions;
    RecordSet taught = database.openRecordSet(QStringLiteral("SELECT * FROM SKILLSBYLOCAL WHERE LOCALID = ?"),
                                              RecordSetType::Snapshot, {provinceId});
    for (; !taught.isEOF(); taught.moveNext()) {
        const int position = int(model.lists.LocalSkill.ids.indexOf(taught.text(QStringLiteral("SKILLTYPEID"))));
        if (position > 0 && !positions.contains(position))
            positions << position;
    }
    std::sort(positions.begin(), positions.end());
    return positions;
}
} // namespace

ProvinceInfo ShowProvinceInfo(const MapModel& model, Database& database, MapCoord Coord)
{
    ProvinceInfo info;
    info.coordinateText = coordinateText(model, Coord);
    const ClassProvincia& province = provinceAt(model, Coord);
    info.provinceKey = provinceCodeOf(province);
    const bool named = !province.ProvinceName.isEmpty();
    // Nothing of an unnamed province's city, markets or inner locations shows.
    static const ClassLocation noCity;
    const ClassLocation& city = named ? province.ClassLocation() : noCity;

    QString provinceText = QStringLiteral(" - no info - ");
    QString terrainDesc;
    QString continentName;
    RulerLines ruler;
    if (named) {
        provinceText = province.ProvinceName;
        info.TxtProvName = province.ProvinceName;
        info.TxtPeasants = QString::number(province.ProvincePeasants);
        ruler = rulerLines(model, province.ProvinceRulerID);
        terrainDesc = model.TerrainsByID.Item(QString::number(province.ProvinceTerrainID)).TerrainDesc;
        const ClassContinents* continent = province.ProvinceContinentID > 0
                                               ? model.Continents.find(QString::number(province.ProvinceContinentID))
                                               : nullptr;
        if (continent)
            continentName = continent->ContinentName;
    }
    info.Text4 = continentName.isEmpty() ? QStringLiteral("[None]") : continentName;

    if (city.LocationSafe)
        info.LstShowDet << QStringLiteral("-------------------- SAFE HAVEN --------------------");
    if (!terrainDesc.isEmpty())
        info.LstShowDet << QStringLiteral(" Province (") + terrainDesc + QStringLiteral(") ") + info.TxtPeasants
                               + QStringLiteral(" Peasants");
    info.LstShowDet << QStringLiteral("    [") + info.coordinateText + QStringLiteral("] ") + provinceText;
    info.LstInner << provinceText + QStringLiteral(" (") + terrainDesc + QStringLiteral(") ");
    info.LstInnerCodes << QStringLiteral("Province");

    info.CmbProvContinent = positionOf(model.lists.ProvContinent.names, continentName);
    info.CmbProvTerrain = positionOf(model.lists.ProvTerrain.names, terrainDesc);
    // By id: two castles may share a name.
    info.CmbProvRuller = positionOf(model.lists.ProvRuller.ids,
                                    ruler.ruler.isEmpty() ? QString() : QString::number(province.ProvinceRulerID));
    info.CmbLocalType = model.lists.LocalType.names.isEmpty() ? -1 : 0;

    info.LstMarket = marketBlock(database, city);
    info.LstRoutes = provinceRoutes(model.Routes, info.provinceKey);

    info.TxLocalID = QString::number(city.LocationID);
    info.TxLocalNo = city.LocationNo;
    info.TxLocalName = city.LocationName;
    info.LblLocalName1 = city.LocationName + QStringLiteral(" [") + city.LocationNo + QLatin1Char(']');
    info.ChkSafeHeaven = city.LocationSafe;
    if (named) {
        const int type = int(model.lists.LocalType.ids.indexOf(QString::number(city.LocationType)));
        if (type >= 0)
            info.CmbLocalType = type;
        info.LstLocalSkill = taughtSkills(model, database, province.ProvinceID);
    }

    if (named)
        addInnerLocations(info, model, province.CollecInnerLocation(), [](const ClassLocation&) {});
    if (!province.ProvinceDOWN.isEmpty())
        info.LstShowDet << kSecondLevel + QStringLiteral("(U)Down to ") + province.ProvinceDOWN;
    if (!city.LocationName.isEmpty()) {
        const QString line = QStringLiteral("       ") + city.LocationName + QStringLiteral(" [") + city.LocationNo
                             + QStringLiteral("]") + QStringLiteral(" (City)");
        info.LstShowDet << line;
        info.LstInner << line;
        info.LstInnerCodes << QStringLiteral("City");
        addInnerLocations(info, model, city.CollecInnerLocation(), [&](const ClassLocation& inner) {
            if (inner.LocationType != 9)
                return;
            RecordSet row = provinceRow(database, Coord);
            if (!row.isEOF() && !row.text(QStringLiteral("DOWN")).isEmpty())
                info.LstShowDet << kSecondLevel + QStringLiteral("(U)Down to ") + row.text(QStringLiteral("DOWN"));
        });
    }
    if (province.ProvinceTerrainID == 11) {
        RecordSet row = provinceRow(database, Coord);
        for (const char* direction : {"Up", "North", "East", "South", "West", "Down"}) {
            const QString exit = row.isEOF() ? QString() : row.text(QLatin1String(direction));
            if (!exit.isEmpty())
                info.LstShowDet << QStringLiteral("     (U)") + QLatin1String(direction) + QStringLiteral(" to ")
                                       + exit;
        }
    }
    if (!ruler.ruler.isEmpty())
        info.LstShowDet << QStringLiteral("--------------------------------------------") << ruler.ruler << ruler.castle
                        << ruler.castleProvince << QString();
    info.LstInnerSelected = info.LstInner.isEmpty() ? -1 : 0;
    return info;
}

QString castleProvinceCode(const MapModel& model, const ClassRuler& ruler)
{
    const QString code = ruler.ProvinceID.trimmed();
    if (code.isEmpty())
        return {};
    const ClassProvincia* province = model.Provinces.find(provinceKey(code));
    return province ? provinceCodeOf(*province) : provinceKey(code);
}

} // namespace arvenna

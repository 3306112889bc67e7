#include "StoreProvinces.h"

#include "BufferWalk.h"
#include "PreparedStatements.h"
#include "ProvinceCell.h"
#include "StoreRoutes.h"
#include "model/MapModel.h"
#include "model/ModelValues.h"
#include "model/ReferenceLists.h"
#include "parser/ReportFormatError.h"
#include "parser/ReportState.h"
#include "parser/ReportText.h"

namespace arvenna {

namespace {
// The values of a province line, after its label.
struct ProvinceLine {
    QString name;
    ProvinceCell cell;
    QString terrain;
    QString region;
};

// "in REGION, ..." after the terrain: the preposition goes, the region ends
// at the next comma.
QString regionOf(const QString& afterTerrain)
{
    const QString text = trimBlanks(afterTerrain);
    const QString rest = text.mid(text.indexOf(u' ') + 1);
    const qsizetype comma = rest.indexOf(u',');
    return trimBlanks(comma < 0 ? QStringView(rest) : QStringView(rest).left(comma));
}

// The opening words of a ruler group and the blank the join puts first.
constexpr int kRulerGroupOpening = 23;

class ProvinceStoring {
public:
    ProvinceStoring(StoringContext& context, BufferWalk& walk)
        : context_(context), walk_(walk), statements_(context.statements), model_(context.model),
          turn_(context.report.header.turnNumber)
    {
    }

    void run();

private:
    void visit();
    void passOverParagraph();
    void store(const ProvinceLine& line);
    ClassProvincia& provinceInModel(const ProvinceCell& cell, const QVariantList& row);
    ClassProvincia& addToModel(const ProvinceCell& cell, const QString& name, qint16 terrain, RowId ruler,
                               const QString& stamp, RowId continent, const QVariant& id);
    void readRulerStamps();
    RowId continentId(const QString& region);
    void indexContinents();
    void refresh(ClassProvincia& province, const ProvinceLine& line, RowId continent);
    void add(const ProvinceLine& line, RowId continent);
    void skipCountLines();
    void storeRuler();
    QString storeRulingCharacter(const QString& name, const QString& number);
    qint64 writeRulerRow(const QVariantList& values);

    StoringContext& context_;
    BufferWalk& walk_;
    PreparedStatements& statements_;
    MapModel& model_;
    const qint16 turn_;
    // The model's regions by case-folded name, the first of equal names winning.
    QHash<QString, RowId> continentByName_;
    // What this report's ruler groups already wrote, by character and by
    // castle number: a ruler holds several provinces, and writing the same
    // values again would change nothing.
    QHash<QString, std::pair<QString, QString>> characterWritten_; // id, name
    QHash<QString, std::pair<qint64, QVariantList>> rulerWritten_;
    // The province line last visited: its turn stamp after this report, and
    // whether it is linked to a castle.
    qint64 provinceStamp_ = 0;
    bool provinceRuled_ = false;
    // The latest turn stamp of the provinces each castle rules, as stored
    // before this report: what a newer report said of a castle stands.
    QHash<qint64, qint64> rulerStamps_;
    // The province whose paragraph the next route list follows.
    RouteOwner routeOwner_;
};

void ProvinceStoring::run()
{
    indexContinents();
    readRulerStamps();
    for (walk_.position = 0; walk_.position <= walk_.count(); ++walk_.position) {
        if (walk_.startsWith(walk_.position, QStringLiteral("(LOC)")))
            visit();
        else if (walk_.startsWith(walk_.position, QStringLiteral("(RTE)")))
            storeRouteList(context_, walk_, routeOwner_);
    }
}

void ProvinceStoring::visit()
{
    routeOwner_ = {};
    const QString text = walk_.at(walk_.position).mid(5);
    const QString name = trimBlanks(textBefore(text, u"["));
    const QString code = trimBlanks(textBetween(text, u'[', u']'));
    const QString afterCode = textAfter(text, u"]");
    if (afterCode.contains(u',')) {
        const QString kind = trimBlanks(textAfter(afterCode, u","));
        const QString upperKind = upperCase(kind);
        if (upperKind.startsWith(QLatin1String("CITY")) || upperKind.startsWith(QLatin1String("PORT CITY"))) {
            // Cities are the next stage's.
            walk_.position = walk_.nextSeparator(walk_.position);
        } else if (const std::optional<ProvinceCell> cell = provinceCell(model_, code)) {
            ProvinceLine line{name, *cell, trimBlanks(textBefore(kind, u",")), {}};
            if (upperCase(line.terrain) == QLatin1String("OCEAN"))
                line.terrain = QStringLiteral("Great Sea");
            line.region = regionOf(textAfter(kind, u","));
            store(line);
            routeOwner_ = {context_.currentProvince, cell->key};
            walk_.markSaved(walk_.position);
            walk_.position = walk_.nextSeparator(walk_.position);
        } else {
            passOverParagraph();
            return;
        }
    }
    skipCountLines();
    if (walk_.startsWith(walk_.position + 1, QStringLiteral("(RUL)"))) {
        ++walk_.position;
        storeRuler();
    }
}

// A paragraph headed by a building, a ship or anything else that is not a
// province: nothing of it is written, its ruler group included.
void ProvinceStoring::passOverParagraph()
{
    walk_.position = walk_.nextSeparator(walk_.position);
    skipCountLines();
    if (walk_.startsWith(walk_.position + 1, QStringLiteral("(RUL)"))) {
        ++walk_.position;
        while (walk_.startsWith(walk_.position + 1, QStringLiteral("(RUL)")))
            ++walk_.position;
    }
}

// A cell holds one province: the stored row is found by its cell, so a
// province another program added since the map was loaded is not added twice.
void ProvinceStoring::store(const ProvinceLine& line)
{
    const RowId continent = continentId(line.region);
    provinceStamp_ = turn_;
    provinceRuled_ = false;
    const std::optional<QVariantList> row = statements_.firstRow(
        QStringLiteral("SELECT PROVINCIAID, COMMENTS, RULLERID, PROVINCIANAME, TERRAINID, CONTINENTID FROM PROVINCIAS "
                       "WHERE YORD = ? AND XORD = ? ORDER BY PROVINCIAID"),
        {line.cell.row, line.cell.column});
    if (!row) {
        add(line, continent);
        return;
    }
    ClassProvincia& province = provinceInModel(line.cell, *row);
    context_.currentProvince = &province;
    provinceRuled_ = row->at(2).toLongLong() != 0;
    QString stamp = row->at(1).toString();
    if (row->at(1).isNull()) {
        stamp = QStringLiteral(" ");
        statements_.execute(QStringLiteral("UPDATE PROVINCIAS SET COMMENTS = ? WHERE PROVINCIAID = ?"),
                            {stamp, province.ProvinceID});
        province.ProvinceComments = stamp;
    }
    // A province is refreshed only by a later turn.
    if (numericValue(stamp) < turn_)
        refresh(province, line, continent);
    else
        provinceStamp_ = qint64(numericValue(stamp));
}

// The model's province of a stored row; one the model lacks joins it.
ClassProvincia& ProvinceStoring::provinceInModel(const ProvinceCell& cell, const QVariantList& row)
{
    if (ClassProvincia* known = model_.Provinces.find(cell.key))
        return *known;
    return addToModel(cell, row.at(3).toString(), toInteger(row.at(4), QStringLiteral("TERRAINID")),
                      toLong(row.at(2), QStringLiteral("RULLERID")), row.at(1).toString(),
                      toLong(row.at(5), QStringLiteral("CONTINENTID")), row.at(0));
}

ClassProvincia& ProvinceStoring::addToModel(const ProvinceCell& cell, const QString& name, qint16 terrain,
                                            RowId ruler, const QString& stamp, RowId continent, const QVariant& id)
{
    const QString rowCode = model_.YCoordsByNum.Item(QString::number(cell.row)).CoordCode();
    return model_.Provinces.Add(name, terrain, 0, ruler, stamp, continent, QString(), QString(), QString(), QString(),
                                QString(), QString(), QString::number(cell.column), rowCode,
                                toLong(id, QStringLiteral("PROVINCIAID")), cell.key);
}

void ProvinceStoring::readRulerStamps()
{
    const QList<QVariantList> rows = statements_.rows(
        QStringLiteral("SELECT RULLERID, max(CAST(COMMENTS AS INTEGER)) FROM PROVINCIAS WHERE RULLERID IS NOT NULL "
                       "GROUP BY RULLERID"),
        {});
    for (const QVariantList& row : rows)
        rulerStamps_.insert(row.at(0).toLongLong(), row.at(1).toLongLong());
}

void ProvinceStoring::indexContinents()
{
    continentByName_.clear();
    for (const ClassContinents& continent : model_.Continents) {
        const QString name = continent.ContinentName.toCaseFolded();
        if (!continentByName_.contains(name))
            continentByName_.insert(name, continent.ContinentId);
    }
}

// The region's id; a region not seen before gets its row now.
RowId ProvinceStoring::continentId(const QString& region)
{
    const auto known = continentByName_.constFind(region.toCaseFolded());
    if (known != continentByName_.cend())
        return *known;
    const qint64 id = statements_.execute(
        QStringLiteral("INSERT INTO CONTINENTES (CONTDESCRIPTION, CONTCOLOR) VALUES (?, 0)"), {region});
    fillContinents(model_, context_.database);
    indexContinents();
    return toLong(id, QStringLiteral("CONTID"));
}

void ProvinceStoring::refresh(ClassProvincia& province, const ProvinceLine& line, RowId continent)
{
    const QString stamp = QString::number(turn_);
    statements_.execute(
        QStringLiteral("UPDATE PROVINCIAS SET PROVINCIANAME = ?, CONTINENTID = ?, COMMENTS = ? WHERE PROVINCIAID = ?"),
        {line.name, continent, stamp, province.ProvinceID});
    province.ProvinceName = line.name;
    province.ProvinceContinentID = continent;
    province.ProvinceComments = stamp;
}

void ProvinceStoring::add(const ProvinceLine& line, RowId continent)
{
    const ProvinceCell& cell = line.cell;
    const qint16 terrain = model_.TerrainsByDesc.Item(line.terrain).TerrainId;
    const qint64 id = statements_.execute(
        QStringLiteral("INSERT INTO PROVINCIAS (PROVINCIANAME, TERRAINID, XORD, YORD, CONTINENTID, COMMENTS) "
                       "VALUES (?, ?, ?, ?, ?, ?)"),
        {line.name, terrain, cell.column, cell.row, continent, QString::number(turn_)});
    context_.currentProvince = &addToModel(cell, line.name, terrain, 0, QString(), continent, id);
}

// The lines that count peasants, inns and the like are not stored.
void ProvinceStoring::skipCountLines()
{
    if (walk_.startsWith(walk_.position + 1, QStringLiteral("(LCN)"))) {
        ++walk_.position;
        while (walk_.startsWith(walk_.position, QStringLiteral("(LCN)")))
            ++walk_.position;
    }
}

// "Province controlled by CASTLE [no], castle, in PROVINCE [code], Ruled by
// NAME [number], ..." joined from the group's lines.
void ProvinceStoring::storeRuler()
{
    QString joined;
    for (qsizetype line = walk_.position; walk_.startsWith(line, QStringLiteral("(RUL)")); ++line) {
        joined = trimBlanks(joined) + QLatin1Char(' ') + trimBlanks(walk_.at(line).mid(5));
        walk_.markSaved(line);
    }
    if (joined.size() < kRulerGroupOpening)
        throw ReportFormatError{QStringLiteral("the ruler group is too short")};
    const QString text = joined.mid(kRulerGroupOpening);
    const QString castleName = textBefore(text, u"[");
    const QString castleNumber = textBetween(text, u'[', u']');
    const QString afterCastle = textAfter(textAfter(text, u"]"), u"[");
    const QString castleProvince = textBefore(afterCastle, u"]");
    if (!afterCastle.contains(u'['))
        return; // no one rules the castle
    QString rulerName = trimBlanks(textBefore(afterCastle, u"["));
    const qsizetype ruledBy = rulerName.indexOf(QLatin1String("Ruled by"));
    rulerName = trimBlanks(QStringView(rulerName).mid(ruledBy < 0 ? 8 : ruledBy + 9));
    const QString characterId = storeRulingCharacter(rulerName, textBetween(afterCastle, u'[', u']'));
    const QVariantList values{castleName, castleNumber, characterId, castleProvince};
    const auto written = rulerWritten_.constFind(castleNumber);
    const qint64 rulerId = written != rulerWritten_.cend() && written->second == values ? written->first
                                                                                         : writeRulerRow(values);
    rulerWritten_.insert(castleNumber, {rulerId, values});
    // What a newer report told of this province's ruler stands; an older
    // report only fills a link that nothing newer set.
    if (provinceStamp_ > turn_ && provinceRuled_)
        return;
    // The model's ruler follows when the map is loaded again.
    const RowId provinceId = context_.currentProvince ? context_.currentProvince->ProvinceID : 0;
    statements_.execute(QStringLiteral("UPDATE PROVINCIAS SET RULLERID = ? WHERE PROVINCIAID = ?"),
                        {rulerId, provinceId});
}

// The castle's row: name, number, ruling character and province. A castle
// that rules a province known from a later turn keeps what that turn said;
// one not known yet is written whatever the turn.
qint64 ProvinceStoring::writeRulerRow(const QVariantList& values)
{
    const std::optional<QVariantList> ruler = statements_.firstRow(
        QStringLiteral("SELECT RULLERID FROM RULLERS WHERE RULLERNO = ?"), {values.at(1)});
    if (!ruler) {
        return statements_.execute(QStringLiteral("INSERT INTO RULLERS (RULLERNAME, RULLERNO, RULLERNOBLEID, "
                                                  "CASTLEPROVID) VALUES (?, ?, ?, ?)"),
                                   values);
    }
    const qint64 rulerId = ruler->at(0).toLongLong();
    if (rulerStamps_.value(rulerId) > turn_)
        return rulerId;
    statements_.execute(QStringLiteral("UPDATE RULLERS SET RULLERNAME = ?, RULLERNO = ?, RULLERNOBLEID = ?, "
                                       "CASTLEPROVID = ? WHERE RULLERID = ?"),
                        values + QVariantList{rulerId});
    return rulerId;
}

// The ruling character's id as text; a row stamped with a later turn keeps its values.
QString ProvinceStoring::storeRulingCharacter(const QString& name, const QString& number)
{
    const auto written = characterWritten_.constFind(number);
    if (written != characterWritten_.cend() && written->second == name)
        return written->first;
    const std::optional<QVariantList> row = statements_.firstRow(
        QStringLiteral("SELECT CharacterID, CharacterTurnInfo FROM CHARACTERS WHERE CHARACTERNUMBER = ?"), {number});
    QString id;
    if (!row) {
        id = QString::number(statements_.execute(
            QStringLiteral("INSERT INTO CHARACTERS (CHARACTERNAME, CHARACTERNUMBER, CharacterTurnInfo) VALUES (?, ?, ?)"),
            {name, number, turn_}));
    } else {
        id = row->at(0).toString();
        if (row->at(1).toLongLong() <= turn_) {
            statements_.execute(QStringLiteral("UPDATE CHARACTERS SET CHARACTERNAME = ?, CHARACTERNUMBER = ?, "
                                               "CharacterTurnInfo = ? WHERE CharacterID = ?"),
                                {name, number, turn_, id});
        }
    }
    characterWritten_.insert(number, {id, name});
    return id;
}
} // namespace

StageResult StoreProvinces(StoringContext& context)
{
    BufferWalk walk(context.report.buffer);
    ProvinceStoring storing(context, walk);
    return walkStage(context, walk, [&] { storing.run(); });
}

} // namespace arvenna

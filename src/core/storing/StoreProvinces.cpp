#include "StoreProvinces.h"

#include "BufferWalk.h"
#include "PreparedStatements.h"
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
    QString code;
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
    void store(const ProvinceLine& line);
    qint16 continentId(const QString& region);
    void indexContinents();
    void refresh(ClassProvincia& province, const ProvinceLine& line, qint16 continent);
    void add(const ProvinceLine& line, qint16 continent);
    void skipRoutesAndStoreRuler();
    void storeRuler();
    QString storeRulingCharacter(const QString& name, const QString& number);
    qint64 writeRulerRow(const QVariantList& values);

    StoringContext& context_;
    BufferWalk& walk_;
    PreparedStatements& statements_;
    MapModel& model_;
    const qint16 turn_;
    // The model's regions by case-folded name, the first of equal names winning.
    QHash<QString, qint16> continentByName_;
    // What this report's ruler groups already wrote, by character and by
    // castle number: a ruler holds several provinces, and writing the same
    // values again would change nothing.
    QHash<QString, std::pair<QString, QString>> characterWritten_; // id, name
    QHash<QString, std::pair<qint64, QVariantList>> rulerWritten_;
};

void ProvinceStoring::run()
{
    indexContinents();
    for (walk_.position = 0; walk_.position <= walk_.count(); ++walk_.position) {
        if (walk_.startsWith(walk_.position, QStringLiteral("(LOC)")))
            visit();
    }
}

void ProvinceStoring::visit()
{
    const QString text = walk_.at(walk_.position).mid(5);
    ProvinceLine line;
    line.name = trimBlanks(textBefore(text, u"["));
    line.code = trimBlanks(textBetween(text, u'[', u']'));
    const QString afterCode = textAfter(text, u"]");
    if (afterCode.contains(u',')) {
        const QString kind = trimBlanks(textAfter(afterCode, u","));
        const QString upperKind = upperCase(kind);
        if (upperKind.startsWith(QLatin1String("CITY")) || upperKind.startsWith(QLatin1String("PORT CITY"))) {
            // Cities are the next stage's.
            walk_.position = walk_.nextSeparator(walk_.position);
        } else {
            line.terrain = trimBlanks(textBefore(kind, u","));
            if (upperCase(line.terrain) == QLatin1String("OCEAN"))
                line.terrain = QStringLiteral("Great Sea");
            line.region = regionOf(textAfter(kind, u","));
            store(line);
            walk_.markSaved(walk_.position);
            walk_.position = walk_.nextSeparator(walk_.position);
        }
    }
    skipRoutesAndStoreRuler();
}

void ProvinceStoring::store(const ProvinceLine& line)
{
    const qint16 continent = continentId(line.region);
    ClassProvincia& province = model_.Provinces.Item(line.code);
    if (!province.ProvinceName.isEmpty()) {
        const std::optional<QVariantList> row = statements_.firstRow(
            QStringLiteral("SELECT COMMENTS FROM PROVINCIAS WHERE PROVINCIAID = ?"), {province.ProvinceID});
        if (row) {
            context_.currentProvince = &province;
            QString stamp = row->at(0).toString();
            if (row->at(0).isNull()) {
                stamp = QStringLiteral(" ");
                statements_.execute(QStringLiteral("UPDATE PROVINCIAS SET COMMENTS = ? WHERE PROVINCIAID = ?"),
                                    {stamp, province.ProvinceID});
                province.ProvinceComments = stamp;
            }
            // A province is refreshed only by a later turn.
            if (numericValue(stamp) < turn_)
                refresh(province, line, continent);
            return;
        }
    }
    add(line, continent);
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
qint16 ProvinceStoring::continentId(const QString& region)
{
    const auto known = continentByName_.constFind(region.toCaseFolded());
    if (known != continentByName_.cend())
        return *known;
    const qint64 id = statements_.execute(
        QStringLiteral("INSERT INTO CONTINENTES (CONTDESCRIPTION, CONTCOLOR) VALUES (?, 0)"), {region});
    fillContinents(model_, context_.database);
    indexContinents();
    return toInteger(id, QStringLiteral("CONTID"));
}

void ProvinceStoring::refresh(ClassProvincia& province, const ProvinceLine& line, qint16 continent)
{
    const QString stamp = QString::number(turn_);
    statements_.execute(
        QStringLiteral("UPDATE PROVINCIAS SET PROVINCIANAME = ?, CONTINENTID = ?, COMMENTS = ? WHERE PROVINCIAID = ?"),
        {line.name, continent, stamp, province.ProvinceID});
    province.ProvinceName = line.name;
    province.ProvinceContinentID = continent;
    province.ProvinceComments = stamp;
}

void ProvinceStoring::add(const ProvinceLine& line, qint16 continent)
{
    const ClassCoordinates* row = model_.YCoordsByCode.find(line.code.left(2));
    if (!row)
        throw ReportFormatError{QStringLiteral("the row code of \"%1\" is not on the grid").arg(line.code)};
    const qint64 column = qint64(numericValue(line.code.right(2)));
    const qint16 terrain = model_.TerrainsByDesc.Item(line.terrain).TerrainId;
    const qint64 id = statements_.execute(
        QStringLiteral("INSERT INTO PROVINCIAS (PROVINCIANAME, TERRAINID, XORD, YORD, CONTINENTID, COMMENTS) "
                       "VALUES (?, ?, ?, ?, ?, ?)"),
        {line.name, terrain, column, row->CoordId, continent, QString::number(turn_)});
    const QString rowCode = model_.YCoordsByNum.Item(QString::number(row->CoordId)).CoordCode();
    const QString columnCode = QString::number(column);
    context_.currentProvince = &model_.Provinces.Add(
        line.name, terrain, 0, 0, QString(), continent, QString(),
        QString(), QString(), QString(), QString(), QString(), columnCode, rowCode,
        toInteger(id, QStringLiteral("PROVINCIAID")), rowCode + formatTwoDigits(columnCode));
}

// Route lines are never stored; a ruler group may follow them.
void ProvinceStoring::skipRoutesAndStoreRuler()
{
    if (walk_.startsWith(walk_.position + 1, QStringLiteral("(LCN)"))) {
        ++walk_.position;
        while (walk_.startsWith(walk_.position, QStringLiteral("(LCN)")))
            ++walk_.position;
    }
    if (walk_.startsWith(walk_.position + 1, QStringLiteral("(RUL)"))) {
        ++walk_.position;
        storeRuler();
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
    // The model's ruler follows when the map is loaded again.
    const qint16 provinceId = context_.currentProvince ? context_.currentProvince->ProvinceID : 0;
    statements_.execute(QStringLiteral("UPDATE PROVINCIAS SET RULLERID = ? WHERE PROVINCIAID = ?"),
                        {rulerId, provinceId});
}

// The castle's row: name, number, ruling character and province.
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
    return walkStage(context, walk, EarlyEnd::FalseAtStart, [&] { storing.run(); });
}

} // namespace arvenna

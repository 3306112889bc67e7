#include "StoreLocations.h"

#include "BufferWalk.h"
#include "PreparedStatements.h"
#include "ProvinceCell.h"
#include "model/MapModel.h"
#include "model/ModelValues.h"
#include "parser/ReportFormatError.h"
#include "parser/ReportState.h"
#include "parser/ReportText.h"

namespace arvenna {

namespace {
// The values of a city line, after its label.
struct CityLine {
    QString name;
    QString number;
    qint16 locationType = 0; // 2 a city, 1 a port city
    bool safe = false;
    QString provinceCode;
};

class CityStoring {
public:
    CityStoring(StoringContext& context, BufferWalk& walk)
        : context_(context), walk_(walk), statements_(context.statements), model_(context.model),
          turn_(context.report.header.turnNumber)
    {
    }

    void run();

private:
    bool visit();
    bool store(const CityLine& line);
    void keepInModel(const CityLine& line, qint64 cityId);

    StoringContext& context_;
    BufferWalk& walk_;
    PreparedStatements& statements_;
    MapModel& model_;
    const qint16 turn_;
};

void CityStoring::run()
{
    for (walk_.position = 0; walk_.position <= walk_.count(); ++walk_.position) {
        // A line the province stage stored opens no city.
        if (walk_.startsWith(walk_.position, QStringLiteral("[SAVED]")))
            walk_.position = walk_.nextSeparator(walk_.position);
        const QString item = walk_.at(walk_.position);
        if (!item.startsWith(QLatin1String("(LOC)")) || !upperCase(item).contains(QLatin1String("CITY")))
            continue;
        if (visit())
            walk_.markSaved(walk_.position);
        walk_.position = walk_.nextSeparator(walk_.position);
    }
}

// True when the line was a city of a known province and is stored.
bool CityStoring::visit()
{
    const QString text = walk_.at(walk_.position).mid(5);
    CityLine line;
    line.name = trimBlanks(textBefore(text, u"["));
    line.number = trimBlanks(textBetween(text, u'[', u']'));
    const QString rest = trimBlanks(textAfter(textAfter(text, u"]"), u","));
    const QString upperRest = upperCase(rest);
    if (!upperRest.startsWith(QLatin1String("CITY")) && !upperRest.startsWith(QLatin1String("PORT CITY")))
        return false; // something that lies in a city
    const QString kind = trimBlanks(textBefore(rest, u","));
    line.locationType = upperCase(kind) == QLatin1String("CITY") ? 2 : 1;
    const QString inProvince = textAfter(textAfter(rest, u","), u"[");
    line.safe = upperCase(inProvince).contains(QLatin1String("SAFE"));
    line.provinceCode = trimBlanks(textBefore(inProvince, u"]"));
    return store(line);
}

bool CityStoring::store(const CityLine& line)
{
    const std::optional<ProvinceCell> cell = provinceCell(model_, line.provinceCode);
    if (!cell)
        throw ReportFormatError{QStringLiteral("\"%1\" names no province of the grid").arg(line.provinceCode)};
    context_.currentProvince = &model_.Provinces.Item(cell->key);
    const std::optional<QVariantList> province = statements_.firstRow(
        QStringLiteral("SELECT PROVINCIAID FROM PROVINCIAS WHERE YORD = ? AND XORD = ?"), {cell->row, cell->column});
    if (!province)
        return false; // a city of a province not stored yet
    const QVariant provinceId = province->at(0);
    const std::optional<QVariantList> city = statements_.firstRow(
        QStringLiteral("SELECT LOCALID, COMMENTS FROM LOCALS WHERE PROVINCEID = ? ORDER BY LOCALID"), {provinceId});
    const QVariantList values{line.number, line.name, line.locationType, QString::number(turn_), line.safe};
    if (!city) {
        const qint64 cityId = statements_.execute(
            QStringLiteral("INSERT INTO LOCALS (LOCALNUMBER, LocalName, LocationTypeID, COMMENTS, PROVINCIASAFE, "
                           "PROVINCEID) VALUES (?, ?, ?, ?, ?, ?)"),
            values + QVariantList{provinceId});
        keepInModel(line, cityId);
        return true;
    }
    const qint64 cityId = city->at(0).toLongLong();
    if (city->at(1).isNull()) {
        statements_.execute(QStringLiteral("UPDATE LOCALS SET COMMENTS = '' WHERE LOCALID = ?"), {cityId});
    }
    // A city is refreshed by the same turn or a later one.
    if (numericValue(city->at(1).toString()) <= turn_) {
        statements_.execute(QStringLiteral("UPDATE LOCALS SET LOCALNUMBER = ?, LocalName = ?, LocationTypeID = ?, "
                                           "COMMENTS = ?, PROVINCIASAFE = ? WHERE LOCALID = ?"),
                            values + QVariantList{cityId});
        keepInModel(line, cityId);
    }
    return true;
}

void CityStoring::keepInModel(const CityLine& line, qint64 cityId)
{
    // A province missing from the model must not lend its city to every
    // unknown code through the fallback entry.
    if (context_.currentProvince == model_.Provinces.find(CollectProvincia::kFallbackKey))
        return;
    ClassLocation& city = context_.currentProvince->ClassLocation();
    city.LocationNo = line.number;
    city.LocationName = line.name;
    city.LocationType = line.locationType;
    city.LocationID = toLong(cityId, QStringLiteral("LOCALID"));
    city.LocationSafe = line.safe;
}
} // namespace

StageResult StoreLocations(StoringContext& context)
{
    BufferWalk walk(context.report.buffer);
    CityStoring storing(context, walk);
    return walkStage(context, walk, [&] { storing.run(); });
}

} // namespace arvenna

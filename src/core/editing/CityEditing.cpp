#include "CityEditing.h"

#include "ChoiceIds.h"
#include "database/Database.h"
#include "database/Transaction.h"
#include "model/MapModel.h"
#include "model/ModelValues.h"

namespace arvenna {

namespace {
RecordSet cityRows(const EditingContext& context, RowId provinceId)
{
    return context.database.openRecordSet(QStringLiteral("Select * From LOCALS where PROVINCEID = ?"),
                                          RecordSetType::Dynaset, {provinceId});
}

// The panel reads a city's skills by its province's id, so they are stored under it.
void deleteSkills(const EditingContext& context, RowId provinceId)
{
    context.database.execute(QStringLiteral("Delete From SKILLSBYLOCAL where LOCALID = ?"), {provinceId});
}

// Only what is selected counts, never which entry was clicked last: that
// may have been in another province's list.
void addSkills(const EditingContext& context, RowId provinceId, const CityFrame& frame)
{
    const ReferenceList& skills = context.model.lists.LocalSkill;
    RecordSet rows = context.database.openRecordSet(QStringLiteral("Select * From SKILLSBYLOCAL where LOCALID = ?"),
                                                    RecordSetType::Dynaset, {provinceId});
    for (int position = 1; position < skills.ids.size(); ++position) {
        if (!frame.skillPositions.contains(position))
            continue;
        rows.addNew();
        rows.setValue(QStringLiteral("LOCALID"), provinceId);
        rows.setValue(QStringLiteral("SKILLTYPEID"), skills.ids.at(position));
        rows.update();
    }
}
} // namespace

CellRepaint updateCity(const EditingContext& context, const CityFrame& frame)
{
    const qint16 type = chosenId(context.model.lists.LocalType, frame.typePosition);
    if (frame.number.trimmed().isEmpty() || frame.name.trimmed().isEmpty() || type == 0) {
        criticalWarning(context.dialogue, QStringLiteral("Name, Number and Local Type are mandatory details"));
        return CellRepaint::None;
    }
    ClassProvincia& province = context.province();
    if (province.ProvinceID == 0) {
        criticalWarning(context.dialogue, QStringLiteral("Province must be created first"));
        return CellRepaint::None;
    }
    RowId cityId = 0;
    try {
        Transaction transaction(context.database);
        RecordSet row = cityRows(context, province.ProvinceID);
        if (row.isEOF()) {
            row.addNew();
            row.setValue(QStringLiteral("PROVINCEID"), province.ProvinceID);
        } else {
            row.edit();
        }
        row.setValue(QStringLiteral("LOCATIONTYPEID"), type);
        row.setValue(QStringLiteral("LOCALNAME"), frame.name);
        row.setValue(QStringLiteral("LOCALNumber"), frame.number);
        row.setValue(QStringLiteral("PROVINCIASAFE"), frame.safeHaven ? 1 : 0);
        cityId = toLong(row.value(QStringLiteral("LOCALID")), QStringLiteral("LOCALID"));
        row.update();
        deleteSkills(context, province.ProvinceID);
        addSkills(context, province.ProvinceID, frame);
        transaction.commit();
    } catch (const DatabaseError& error) {
        reportNotStored(context.dialogue, QStringLiteral("The city"), error.message());
        return CellRepaint::None;
    }
    ClassLocation& city = province.ClassLocation();
    city.LocationType = type;
    city.LocationName = frame.name;
    city.LocationNo = frame.number;
    city.LocationSafe = frame.safeHaven;
    city.LocationID = cityId;
    return CellRepaint::Map;
}

CellRepaint deleteCity(const EditingContext& context)
{
    ClassProvincia& province = context.province();
    ClassLocation& city = province.ClassLocation();
    if (city.LocationNo.isEmpty())
        return CellRepaint::None;
    try {
        RecordSet inner = context.database.openRecordSet(
            QStringLiteral("Select * From INNERLOCATIONS where LOCALLOCATIONID = ?"), RecordSetType::Snapshot,
            {city.LocationID});
        if (!inner.isEOF()) {
            refuseUntilEmpty(context.dialogue,
                             QStringLiteral("This Location contains Inner Location information, discard these first"),
                             MessageIcon::None);
            return CellRepaint::None;
        }
        if (!confirmed(context.dialogue, QStringLiteral("Please confirm deletion of ") + city.LocationName
                                             + QStringLiteral(" [") + city.LocationNo + QLatin1Char(']')))
            return CellRepaint::None;
        Transaction transaction(context.database);
        deleteSkills(context, province.ProvinceID);
        RecordSet row = cityRows(context, province.ProvinceID);
        if (!row.isEOF())
            row.deleteCurrent();
        context.database.execute(QStringLiteral("Delete From MARKETTRANSACTIONS where LOCALID = ?"), {city.LocationID});
        transaction.commit();
    } catch (const DatabaseError& error) {
        reportNotStored(context.dialogue, QStringLiteral("The deletion of the city"), error.message());
        return CellRepaint::None;
    }
    city.LocationType = 0;
    city.LocationName.clear();
    city.LocationNo.clear();
    city.LocationSafe = false;
    city.LocationID = 0;
    // Its market rows are gone, so its offers must not show any longer.
    city.CollecMArketSell() = CollectMarket();
    city.CollecMArketBuy() = CollectMarket();
    return CellRepaint::Map;
}

} // namespace arvenna

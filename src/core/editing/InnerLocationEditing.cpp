#include "InnerLocationEditing.h"

#include "ChoiceIds.h"
#include "database/Database.h"
#include "database/Transaction.h"
#include "model/MapModel.h"
#include "model/ModelValues.h"

namespace arvenna {

namespace {
// Reference data: the island kind and the two sea terrains.
constexpr qint16 kIslandType = 6;
constexpr qint16 kSeaLane = 2;
constexpr qint16 kGreatSea = 3;

RecordSet innerRow(const EditingContext& context, qint64 id, RecordSetType type)
{
    return context.database.openRecordSet(QStringLiteral("Select * From INNERLOCATIONS where INNERLOCALID = ?"), type,
                                          {id});
}

// The id in the frame's hidden id box; 0 when it holds none.
qint64 pickedId(const InnerLocationFrame& frame)
{
    return frame.id.trimmed().toLongLong();
}

// Where a picked or new inner location goes.
enum class Target { NewFirstLevel, NewInside, Picked };

CollecInnerLocation& containerList(ClassProvincia& province, bool inCity)
{
    return inCity ? province.ClassLocation().CollecInnerLocation() : province.CollecInnerLocation();
}
} // namespace

CellRepaint updateInnerLocation(const EditingContext& context, const InnerLocationFrame& frame,
                                const QString& pickedLine)
{
    const qint16 type = chosenId(context.model.lists.InnerType, frame.typePosition);
    if (frame.name.trimmed().isEmpty() || frame.number.trimmed().isEmpty() || type == 0) {
        criticalWarning(context.dialogue, QStringLiteral("Name,Number and Type are mandatory details"));
        return CellRepaint::None;
    }
    ClassProvincia& province = context.province();
    if (province.ProvinceID == 0) {
        criticalWarning(context.dialogue, QStringLiteral("Province must be created first"));
        return CellRepaint::None;
    }
    if (type == kIslandType && province.ProvinceTerrainID != kSeaLane && province.ProvinceTerrainID != kGreatSea) {
        criticalWarning(context.dialogue, QStringLiteral("Islands can only be set in Sea provinces"));
        return CellRepaint::None;
    }
    const std::optional<qint16> entranceSize = typedWholeNumber(frame.entranceSize);
    if (!entranceSize || *entranceSize < 0) {
        criticalWarning(context.dialogue, QStringLiteral("Entrance Size must be a whole number from 0 to 32767"));
        return CellRepaint::None;
    }
    // An empty box keeps the stored travel days.
    const bool travelTimeTyped = !frame.travelTime.trimmed().isEmpty();
    const std::optional<qint16> travelTime = typedWholeNumber(frame.travelTime);
    if (!travelTime || *travelTime < 0) {
        criticalWarning(context.dialogue, QStringLiteral("Travel days must be a whole number from 0 to 32767"));
        return CellRepaint::None;
    }

    const qint64 picked = pickedId(frame);
    const QString pickedKey = QString::number(picked);
    Target target = Target::NewFirstLevel;
    bool inCity = pickedLine == kCityLine;
    try {
        // Decided before the write starts, so no question waits while the game is locked.
        RecordSet row = innerRow(context, picked, RecordSetType::Snapshot);
        if (!row.isEOF()) {
            if (row.integer(QStringLiteral("InnerID")) != 0) {
                context.dialogue.inform(
                    QStringLiteral("Confirmation"),
                    QStringLiteral("Only 2 levels of Inner locations stacked are allowed, please revise your selection. "),
                    MessageIcon::Critical);
                return CellRepaint::None;
            }
            inCity = inCity || row.integer(QStringLiteral("LocalLocationID")) != 0;
            target = Target::Picked;
            if (row.text(QStringLiteral("LocalNumber")) != frame.number
                && context.dialogue.ask(QStringLiteral("Confirmation"),
                                        QStringLiteral("A different Location Number has been found, do you want to "
                                                       "create a SubLocation for The Current Location"),
                                        MessageIcon::Question, DialogueButtons::YesNo)
                       == DialogueAnswer::Yes)
                target = Target::NewInside;
        }
    } catch (const DatabaseError& error) {
        reportNotStored(context.dialogue, QStringLiteral("The inner location"), error.message());
        return CellRepaint::None;
    }
    // Without a city an inner location can only lie in the province.
    inCity = inCity && province.ClassLocation().LocationID != 0;

    RowId storedId = 0;
    try {
        Transaction transaction(context.database);
        RecordSet row = innerRow(context, target == Target::Picked ? picked : 0, RecordSetType::Dynaset);
        if (target == Target::Picked) {
            row.edit();
        } else {
            row.addNew();
            row.setValue(QStringLiteral("ProvinceID"), province.ProvinceID);
            row.setValue(QStringLiteral("LocalLocationID"), inCity ? province.ClassLocation().LocationID : 0);
            row.setValue(QStringLiteral("InnerID"), target == Target::NewInside ? picked : 0);
        }
        row.setValue(QStringLiteral("LocalNumber"), frame.number);
        row.setValue(QStringLiteral("LocalNAme"), frame.name);
        row.setValue(QStringLiteral("EntranceSize"), *entranceSize);
        if (travelTimeTyped)
            row.setValue(QStringLiteral("TravelTime"), *travelTime);
        row.setValue(QStringLiteral("Hidden"), frame.hidden ? 1 : 0);
        row.setValue(QStringLiteral("Closed"), frame.closed ? 1 : 0);
        row.setValue(QStringLiteral("INNERTYPEID"), type);
        storedId = toLong(row.value(QStringLiteral("INNERLOCALID")), QStringLiteral("INNERLOCALID"));
        row.update();
        transaction.commit();
    } catch (const DatabaseError& error) {
        reportNotStored(context.dialogue, QStringLiteral("The inner location"), error.message());
        return CellRepaint::None;
    }

    CollecInnerLocation& list = containerList(province, inCity);
    if (target == Target::Picked) {
        if (ClassLocation* entry = list.find(pickedKey)) {
            entry->LocationNo = frame.number;
            entry->LocationName = frame.name;
            entry->LocalEntrySize = *entranceSize;
            entry->LocalHidden = frame.hidden;
            entry->LocalBlocked = frame.closed;
            entry->LocationType = type;
        }
    } else {
        ClassLocation* parent = target == Target::NewInside ? list.find(pickedKey) : nullptr;
        if (target == Target::NewFirstLevel || parent) {
            CollecInnerLocation& into = parent ? parent->CollecInnerLocation() : list;
            into.Add(storedId, frame.number, frame.name, type, false, frame.hidden, *entranceSize, frame.closed,
                     QString::number(storedId));
        }
    }
    return CellRepaint::Map;
}

CellRepaint deleteInnerLocation(const EditingContext& context, const InnerLocationFrame& frame)
{
    const qint64 id = pickedId(frame);
    if (id <= 0)
        return CellRepaint::None;
    ClassProvincia& province = context.province();
    qint64 cityId = 0;
    qint64 parentId = 0;
    try {
        RecordSet inside = context.database.openRecordSet(QStringLiteral("Select * From INNERLOCATIONS where INNERID = ?"),
                                                          RecordSetType::Snapshot, {id});
        if (!inside.isEOF()) {
            refuseUntilEmpty(context.dialogue, QStringLiteral("Sub location information Found, please discard these first."),
                             MessageIcon::Critical);
            return CellRepaint::None;
        }
        if (frame.number.isEmpty())
            return CellRepaint::None;
        if (!confirmed(context.dialogue, QStringLiteral("Please confirm deletion of location ") + frame.name
                                             + QStringLiteral(" [") + frame.number + QLatin1Char(']')))
            return CellRepaint::None;
        Transaction transaction(context.database);
        RecordSet row = innerRow(context, id, RecordSetType::Dynaset);
        if (!row.isEOF()) {
            cityId = row.integer(QStringLiteral("LocalLocationID"));
            parentId = row.integer(QStringLiteral("InnerID"));
            row.deleteCurrent();
        }
        transaction.commit();
    } catch (const DatabaseError& error) {
        reportNotStored(context.dialogue, QStringLiteral("The deletion of the inner location"), error.message());
        return CellRepaint::None;
    }
    CollecInnerLocation& list = containerList(province, cityId != 0);
    ClassLocation* parent = parentId != 0 ? list.find(QString::number(parentId)) : nullptr;
    CollecInnerLocation& from = parent ? parent->CollecInnerLocation() : list;
    const QString key = QString::number(id);
    if (from.contains(key))
        from.Remove(key);
    return CellRepaint::Map;
}

InnerLocationFrame pickInnerLine(const EditingContext& context, const QString& code)
{
    InnerLocationFrame frame;
    if (code == kProvinceLine || code == kCityLine)
        return frame;
    showInnerLocation(frame, context.database, context.model.lists.InnerType, code);
    return frame;
}

} // namespace arvenna

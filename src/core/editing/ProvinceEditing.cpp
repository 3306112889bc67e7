#include "ProvinceEditing.h"

#include "ChoiceIds.h"
#include "database/Database.h"
#include "database/Transaction.h"
#include "model/MapModel.h"
#include "model/ModelValues.h"
#include "view/ProvinceLookup.h"

#include <QtMath>

namespace arvenna {

namespace {
RecordSet provinceRow(const EditingContext& context)
{
    return context.database.openRecordSet(QStringLiteral("Select * From Provincias where XORD = ? AND YORD = ?"),
                                          RecordSetType::Dynaset, {qFloor(context.cell.X), qFloor(context.cell.Y)});
}

QVariant idOrNull(RowId id)
{
    return id > 0 ? QVariant(id) : QVariant();
}

// The exits of a stored province, as the model keeps them.
struct Exits {
    QString up, down, south, north, east, west;
};

Exits storedExits(const RecordSet& row)
{
    return {row.text(QStringLiteral("Up")),    row.text(QStringLiteral("Down")), row.text(QStringLiteral("South")),
            row.text(QStringLiteral("North")), row.text(QStringLiteral("East")), row.text(QStringLiteral("West"))};
}
} // namespace

CellRepaint updateProvince(const EditingContext& context, const ProvinceFrame& frame)
{
    const ReferenceLists& lists = context.model.lists;
    const qint16 terrain = chosenId(lists.ProvTerrain, frame.terrainPosition);
    if (frame.name.trimmed().isEmpty() || terrain == 0) {
        criticalWarning(context.dialogue, QStringLiteral("Name and Terrain Type are mandatory details"));
        return CellRepaint::None;
    }
    const std::optional<qint16> peasants = typedWholeNumber(frame.peasants);
    if (!peasants || *peasants < 0) {
        criticalWarning(context.dialogue, QStringLiteral("Peasants must be a whole number from 0 to 32767"));
        return CellRepaint::None;
    }
    const QString key = context.cellKey();
    if (key.isEmpty())
        return CellRepaint::None;
    const RowId continent = chosenId(lists.ProvContinent, frame.continentPosition);
    const RowId ruler = chosenId(lists.ProvRuller, frame.rulerPosition);
    RowId provinceId = 0;
    Exits exits;
    try {
        Transaction transaction(context.database);
        RecordSet row = provinceRow(context);
        if (row.isEOF()) {
            row.addNew();
            row.setValue(QStringLiteral("XORD"), qFloor(context.cell.X));
            row.setValue(QStringLiteral("YORD"), qFloor(context.cell.Y));
        } else {
            exits = storedExits(row);
            row.edit();
        }
        provinceId = toLong(row.value(QStringLiteral("PROVINCIAID")), QStringLiteral("PROVINCIAID"));
        row.setValue(QStringLiteral("PROVINCIANAME"), frame.name);
        row.setValue(QStringLiteral("PEASANTS"), *peasants);
        row.setValue(QStringLiteral("CONTINENTID"), idOrNull(continent));
        row.setValue(QStringLiteral("TERRAINID"), terrain);
        row.setValue(QStringLiteral("RULLERID"), idOrNull(ruler));
        row.update();
        transaction.commit();
    } catch (const DatabaseError& error) {
        reportNotStored(context.dialogue, QStringLiteral("The province"), error.message());
        return CellRepaint::None;
    }
    // The model follows only once the row is stored, so a failure leaves both as they were.
    if (ClassProvincia* province = context.model.Provinces.find(key)) {
        province->ProvinceName = frame.name;
        province->ProvincePeasants = *peasants;
        province->ProvinceContinentID = continent;
        province->ProvinceTerrainID = terrain;
        province->ProvinceRulerID = ruler;
    } else {
        context.model.Provinces.Add(frame.name, terrain, *peasants, ruler, QString(), continent, exits.up, exits.down,
                                    exits.south, exits.north, exits.east, exits.west,
                                    QString::number(qFloor(context.cell.X)), rowCode(context.model, qFloor(context.cell.Y)),
                                    provinceId, key);
    }
    return CellRepaint::MapAndOverview;
}

CellRepaint deleteProvince(const EditingContext& context)
{
    const ClassProvincia& province = context.province();
    if (!province.ClassLocation().LocationName.isEmpty()) {
        refuseUntilEmpty(context.dialogue, QStringLiteral("This Province contains Location information, discard these first"),
                         MessageIcon::None);
        return CellRepaint::None;
    }
    if (province.CollecInnerLocation().Count() > 0) {
        refuseUntilEmpty(context.dialogue,
                         QStringLiteral("This Province contains Inner Location information, discard these first"),
                         MessageIcon::None);
        return CellRepaint::None;
    }
    if (province.ProvinceName.isEmpty())
        return CellRepaint::None;
    if (!confirmed(context.dialogue, QStringLiteral("Please confirm deletion of province ") + province.ProvinceName
                                         + QStringLiteral(" [") + coordinateText(context.model, context.cell)
                                         + QLatin1Char(']')))
        return CellRepaint::None;
    try {
        Transaction transaction(context.database);
        RecordSet row = provinceRow(context);
        if (!row.isEOF())
            row.deleteCurrent();
        transaction.commit();
    } catch (const DatabaseError& error) {
        reportNotStored(context.dialogue, QStringLiteral("The deletion of the province"), error.message());
        return CellRepaint::None;
    }
    context.model.Provinces.Remove(context.cellKey());
    return CellRepaint::MapAndOverview;
}

ProvinceClipboard copyProvince(const ProvinceFrame& frame)
{
    return {frame.continentPosition, frame.name, frame.terrainPosition};
}

CellRepaint pasteProvince(const EditingContext& context, const ProvinceClipboard& clipboard, ProvinceFrame frame)
{
    frame.continentPosition = clipboard.continentPosition;
    frame.name = clipboard.name;
    frame.terrainPosition = clipboard.terrainPosition;
    return updateProvince(context, frame);
}

} // namespace arvenna

#include "StartPosition.h"

#include "database/Database.h"
#include "database/Transaction.h"
#include "model/MapModel.h"
#include "model/ModelValues.h"

namespace arvenna {

namespace {
std::optional<int> number(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

constexpr qint64 kNoCell = -1;

// The CELLID of the row with that code, or kNoCell.
qint64 cellId(Database& database, const QString& table, const QString& codeField, const QString& code)
{
    RecordSet rows = database.openRecordSet(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(table, codeField),
                                            RecordSetType::Snapshot, {code});
    if (rows.isEOF() || rows.isNull(QStringLiteral("CELLID")))
        return kNoCell;
    return rows.integer(QStringLiteral("CELLID"));
}

void storeSetting(Database& database, const QString& code, qint64 value)
{
    RecordSet setting = database.openRecordSet(QStringLiteral("SELECT * FROM SETTINGS WHERE SETTINGCODE = ?"),
                                               RecordSetType::Dynaset, {code});
    if (setting.isEOF()) {
        setting.addNew();
        setting.setValue(QStringLiteral("SETTINGCODE"), code);
    } else {
        setting.edit();
    }
    setting.setValue(QStringLiteral("SETTINGVALUE"), QString::number(value));
    setting.update();
}
} // namespace

ExportSettings exportSettingsOf(const MapModel& model)
{
    ExportSettings settings;
    settings.startColumn = number(model.grid.StartColumn).value_or(0);
    settings.startRow = number(model.grid.StartRow).value_or(1);
    return settings;
}

QString startColumnText(const MapModel& model)
{
    return formatTwoDigits(model.grid.StartColumn);
}

QString startRowText(const MapModel& model)
{
    const ClassCoordinates* row = model.YCoordsByNum.find(model.grid.StartRow.trimmed());
    return row ? row->CoordCode() : model.grid.StartRow;
}

std::optional<int> columnNumberOf(const MapModel& model, const QString& text)
{
    const ClassCoordinates* column = model.XCoords.find(formatTwoDigits(text.trimmed()));
    return column ? std::optional<int>(column->CoordId) : std::nullopt;
}

std::optional<int> surfaceRowOf(const MapModel& model, const QString& text, bool acceptPosition)
{
    const std::optional<int> position = acceptPosition ? number(text) : std::nullopt;
    const ClassCoordinates* row = position ? model.YCoordsByNum.find(QString::number(*position))
                                           : model.YCoordsByCode.find(text.trimmed());
    if (!row || row->CoordId < 1 || row->CoordId > model.UndergroundRow)
        return std::nullopt;
    return row->CoordId;
}

bool setExportStart(const MapModel& model, const QString& columnText, const QString& rowText, bool acceptPosition,
                    ExportSettings& settings)
{
    const std::optional<int> column = columnNumberOf(model, columnText);
    const std::optional<int> row = surfaceRowOf(model, rowText, acceptPosition);
    if (!column || !row)
        return false;
    settings.startColumn = *column;
    settings.startRow = *row;
    return true;
}

QString startRefusal(const MapModel& model, const QString& typed)
{
    return QStringLiteral("The start \"%1\" is not a column and a surface row of the map: columns %2, rows %3.")
        .arg(typed, model.grid.ColumnRangeLabel, model.grid.RowRangeLabel);
}

void saveStartPosition(Database& database, MapModel& model, const QString& columnText, const QString& rowText)
{
    const qint64 column =
        cellId(database, QStringLiteral("CELLSX"), QStringLiteral("CELLORDERX"), formatTwoDigits(columnText.trimmed()));
    qint64 row = cellId(database, QStringLiteral("CELLSY"), QStringLiteral("CELLORDERY"), rowText.trimmed());
    if (row > model.UndergroundRow)
        row = kNoCell;
    Transaction transaction(database);
    if (column != kNoCell)
        storeSetting(database, QStringLiteral("STARTX"), column);
    if (row != kNoCell)
        storeSetting(database, QStringLiteral("STARTY"), row);
    transaction.commit();
    if (column != kNoCell)
        model.grid.StartColumn = QString::number(column);
    if (row != kNoCell)
        model.grid.StartRow = QString::number(row);
}

} // namespace arvenna

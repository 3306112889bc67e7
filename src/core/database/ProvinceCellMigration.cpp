#include "ProvinceCellMigration.h"

#include "Database.h"

#include <QVariantList>

namespace arvenna {

namespace {
// Knowledge of a province that a row may lack and its duplicate may hold.
const QStringList kNumbers{QStringLiteral("RULLERID"), QStringLiteral("PEASANTS")};
const QStringList kExits{QStringLiteral("Up"),    QStringLiteral("North"), QStringLiteral("East"),
                         QStringLiteral("South"), QStringLiteral("West"),  QStringLiteral("Down")};

// The rows of one cell, the one to keep first: the latest turn stamp
// (COMMENTS holds the turn as text, " " or null when unknown), then the
// oldest row.
QVariantList rowsOfCell(Database& database, const QVariant& row, const QVariant& column)
{
    RecordSet rows = database.openRecordSet(
        QStringLiteral("SELECT PROVINCIAID FROM PROVINCIAS WHERE YORD = ? AND XORD = ? "
                       "ORDER BY CAST(COMMENTS AS INTEGER) DESC, PROVINCIAID"),
        RecordSetType::Snapshot, {row, column});
    QVariantList ids;
    for (; !rows.isEOF(); rows.moveNext())
        ids << rows.value(QStringLiteral("PROVINCIAID"));
    return ids;
}

// Moves what hangs on the duplicate to the kept row, fills what the kept
// row lacks from it, and deletes it.
void mergeInto(Database& database, const QVariant& kept, const QVariant& duplicate)
{
    database.execute(QStringLiteral("UPDATE LOCALS SET PROVINCEID = ? WHERE PROVINCEID = ?"), {kept, duplicate});
    database.execute(QStringLiteral("UPDATE INNERLOCATIONS SET ProvinceID = ? WHERE ProvinceID = ?"), {kept, duplicate});
    const auto fill = [&](const QString& field, const QString& missing) {
        database.execute(QStringLiteral("UPDATE PROVINCIAS SET %1 = (SELECT %1 FROM PROVINCIAS WHERE PROVINCIAID = ?) "
                                        "WHERE PROVINCIAID = ? AND (%1 IS NULL OR %1 = %2)")
                             .arg(field, missing),
                         {duplicate, kept});
    };
    for (const QString& field : kNumbers)
        fill(field, QStringLiteral("0"));
    for (const QString& field : kExits)
        fill(field, QStringLiteral("''"));
    database.execute(QStringLiteral("DELETE FROM PROVINCIAS WHERE PROVINCIAID = ?"), {duplicate});
}
} // namespace

QString uniqueProvinceCells(Database& database)
{
    RecordSet cells = database.openRecordSet(
        QStringLiteral("SELECT YORD, XORD FROM PROVINCIAS WHERE YORD IS NOT NULL AND XORD IS NOT NULL "
                       "GROUP BY YORD, XORD HAVING count(*) > 1"),
        RecordSetType::Snapshot);
    int merged = 0;
    for (; !cells.isEOF(); cells.moveNext()) {
        const QVariantList ids = rowsOfCell(database, cells.value(QStringLiteral("YORD")), cells.value(QStringLiteral("XORD")));
        for (qsizetype i = 1; i < ids.size(); ++i) {
            mergeInto(database, ids.first(), ids.at(i));
            ++merged;
        }
    }
    cells.close();
    database.execute(QStringLiteral("DROP INDEX IF EXISTS IdxProvinciasCell"));
    database.execute(QStringLiteral("CREATE UNIQUE INDEX IdxProvinciasCell ON PROVINCIAS (YORD, XORD)"));
    if (merged == 0)
        return {};
    return QStringLiteral("The game database [%1] held %2 provinces on cells that already had one: each was merged "
                          "into the province of the latest turn on its cell.")
        .arg(database.path())
        .arg(merged);
}

} // namespace arvenna

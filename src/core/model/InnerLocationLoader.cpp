#include "InnerLocationLoader.h"

#include "ModelValues.h"
#include "Province.h"
#include "database/RowReader.h"

#include <vector>

namespace arvenna {

namespace {
struct InnerRow {
    qint64 province = 0;
    bool inProvince = false; // LocalLocationID is 0
    bool firstLevel = false; // InnerID is 0 or null, else it names the parent
    qint64 parent = 0;
    RowId id = 0;
    QString number;
    QString name;
    qint16 type = 0;
    bool hidden = false;
    qint16 entranceSize = 0;
    bool closed = false;
};

std::vector<InnerRow> readInnerRows(Database& database)
{
    // One read in province order gives each province's rows in the order the
    // per-province lookups by its index would.
    RowReader rows(database, QStringLiteral("SELECT * FROM InnerLocations ORDER BY ProvinceID, InnerLocalID"));
    const int province = rows.column(QStringLiteral("ProvinceID"));
    const int city = rows.column(QStringLiteral("LocalLocationID"));
    const int parent = rows.column(QStringLiteral("InnerID"));
    const int id = rows.column(QStringLiteral("InnerLocalID"));
    const int number = rows.column(QStringLiteral("LocalNumber"));
    const int name = rows.column(QStringLiteral("LocalNAme"));
    const int type = rows.column(QStringLiteral("InnerTypeID"));
    const int hidden = rows.column(QStringLiteral("Hidden"));
    const int size = rows.column(QStringLiteral("EntranceSize"));
    const int closed = rows.column(QStringLiteral("Closed"));
    std::vector<InnerRow> result;
    while (rows.next()) {
        if (rows.isNull(province))
            continue;
        InnerRow row;
        row.province = rows.integer(province);
        row.inProvince = !rows.isNull(city) && rows.integer(city) == 0;
        // A null InnerID names no parent: the row is first level, as with 0.
        row.parent = rows.integer(parent);
        row.firstLevel = row.parent == 0;
        row.id = toLong(rows.value(id), QStringLiteral("InnerLocalID"));
        row.number = rows.text(number);
        row.name = rows.text(name);
        row.type = toInteger(rows.value(type), QStringLiteral("InnerTypeID"));
        row.hidden = rows.flag(hidden);
        row.entranceSize = toInteger(rows.value(size), QStringLiteral("EntranceSize"));
        row.closed = rows.flag(closed);
        result.push_back(std::move(row));
    }
    return result;
}

ClassLocation& addTo(CollecInnerLocation& list, const InnerRow& row)
{
    return list.Add(row.id, row.number, row.name, row.type, false, row.hidden, row.entranceSize, row.closed,
                    QString::number(row.id));
}
} // namespace

void loadInnerLocations(Database& database, const QHash<qint64, ClassProvincia*>& provincesById)
{
    const std::vector<InnerRow> rows = readInnerRows(database);
    QHash<qint64, std::vector<const InnerRow*>> childrenByParent;
    for (const InnerRow& row : rows) {
        if (!row.firstLevel)
            childrenByParent[row.parent].push_back(&row);
    }
    for (const InnerRow& row : rows) {
        ClassProvincia* province = row.firstLevel ? provincesById.value(row.province) : nullptr;
        if (!province)
            continue;
        CollecInnerLocation& list = row.inProvince ? province->CollecInnerLocation()
                                                   : province->ClassLocation().CollecInnerLocation();
        ClassLocation& added = addTo(list, row);
        for (const InnerRow* child : childrenByParent.value(row.id)) {
            if (child->province == row.province)
                addTo(added.CollecInnerLocation(), *child);
        }
    }
}

} // namespace arvenna

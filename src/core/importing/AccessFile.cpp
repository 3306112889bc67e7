#include "AccessFile.h"

#include "../database/DatabaseError.h"

#include <QFile>
#include <QFileInfo>

#include <mdbtools.h>

#include <vector>

namespace arvenna {

namespace {
// Large enough for the longest memo Access keeps (65,535 characters of up to
// three UTF-8 bytes); a value that fills it was cut and is refused.
constexpr size_t kBindSize = 256 * 1024;

AccessFieldKind kindOf(int columnType)
{
    switch (columnType) {
    case MDB_BOOL:
        return AccessFieldKind::Flag;
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return AccessFieldKind::Whole;
    case MDB_FLOAT:
        return AccessFieldKind::Single;
    case MDB_DOUBLE:
        return AccessFieldKind::Double;
    case MDB_DATETIME:
        return AccessFieldKind::Date;
    case MDB_TEXT:
    case MDB_MEMO:
        return AccessFieldKind::Text;
    default:
        return AccessFieldKind::Other;
    }
}

// The typed value of a field's text as libmdb prints it; empty is null.
QVariant typedValue(AccessFieldKind kind, const char* text, int length)
{
    if (length <= 0)
        return {};
    const QByteArray bytes(text, length);
    bool ok = false;
    switch (kind) {
    case AccessFieldKind::Flag:
    case AccessFieldKind::Whole: {
        const qint64 number = bytes.toLongLong(&ok);
        return ok ? QVariant(number) : QVariant(QString::fromUtf8(bytes));
    }
    case AccessFieldKind::Single: {
        // The printed 8 digits are the float's value, rounded: read back as a
        // float they give exactly the value the file holds.
        const float number = bytes.toFloat(&ok);
        return ok ? QVariant(double(number)) : QVariant(QString::fromUtf8(bytes));
    }
    case AccessFieldKind::Double: {
        const double number = bytes.toDouble(&ok);
        return ok ? QVariant(number) : QVariant(QString::fromUtf8(bytes));
    }
    default:
        return QString::fromUtf8(bytes);
    }
}

struct TableDef {
    MdbTableDef* table = nullptr;
    ~TableDef()
    {
        if (table)
            mdb_free_tabledef(table);
    }
};
} // namespace

struct AccessFile::Handle {
    MdbHandle* mdb = nullptr;
    ~Handle()
    {
        if (mdb)
            mdb_close(mdb);
    }
};

int AccessTable::fieldIndex(const QString& fieldName) const
{
    for (int i = 0; i < fields.size(); ++i) {
        if (fields.at(i).name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

AccessFile::AccessFile(const QString& path)
    : handle_(std::make_unique<Handle>()), path_(path)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        throw DatabaseError(QStringLiteral("The Access file [%1] is missing or cannot be read.").arg(path));
    handle_->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!handle_->mdb)
        throw DatabaseError(QStringLiteral("The file [%1] is not an Access database that can be read.").arg(path));
    mdb_set_date_fmt(handle_->mdb, "%Y-%m-%dT%H:%M:%S");
    mdb_set_boolean_fmt_numbers(handle_->mdb);
    mdb_set_bind_size(handle_->mdb, kBindSize);
    GPtrArray* catalog = mdb_read_catalog(handle_->mdb, MDB_TABLE);
    if (!catalog)
        throw DatabaseError(QStringLiteral("The list of tables of [%1] could not be read.").arg(path));
    for (guint i = 0; i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (entry->object_type == MDB_TABLE && !mdb_is_system_table(entry))
            tableNames_.append(QString::fromUtf8(entry->object_name));
    }
}

AccessFile::~AccessFile() = default;

QString AccessFile::findTable(const QString& name) const
{
    for (const QString& table : tableNames_) {
        if (table.compare(name, Qt::CaseInsensitive) == 0)
            return table;
    }
    return {};
}

AccessTable AccessFile::readTable(const QString& name) const
{
    const QString found = findTable(name);
    const auto failure = [&](const QString& what) {
        return DatabaseError(QStringLiteral("The table %1 of [%2] could not be read: %3.").arg(name, path_, what));
    };
    if (found.isEmpty())
        throw failure(QStringLiteral("there is no such table"));
    MdbCatalogEntry* entry = mdb_get_catalogentry_by_name(handle_->mdb, found.toUtf8().constData());
    TableDef def;
    def.table = entry ? mdb_read_table(entry) : nullptr;
    if (!def.table || !mdb_read_columns(def.table))
        throw failure(QStringLiteral("its definition lies in a damaged or missing part of the file"));
    MdbTableDef* table = def.table;

    AccessTable result;
    result.name = found;
    // The column list as read, not the count the (possibly damaged) header gives.
    const unsigned int columns = table->columns->len;
    std::vector<std::vector<char>> buffers(columns, std::vector<char>(kBindSize + 1, '\0'));
    std::vector<int> lengths(columns, 0);
    for (unsigned int c = 0; c < columns; ++c) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
        result.fields.append({QString::fromUtf8(column->name), kindOf(column->col_type)});
        mdb_bind_column(table, int(c + 1), buffers[c].data(), &lengths[c]);
    }
    mdb_rewind_table(table);
    result.rows.reserve(qsizetype(table->num_rows));
    while (mdb_fetch_row(table)) {
        QVariantList row;
        row.reserve(qsizetype(columns));
        for (unsigned int c = 0; c < columns; ++c) {
            const int length = std::min(lengths[c], int(kBindSize));
            if (size_t(length) >= kBindSize - 1)
                throw failure(QStringLiteral("a value of %1 is too long").arg(result.fields.at(int(c)).name));
            row.append(typedValue(result.fields.at(int(c)).kind, buffers[c].data(), length));
        }
        result.rows.append(std::move(row));
    }
    if (qsizetype(table->num_rows) != result.rows.size())
        throw failure(QStringLiteral("%1 of its %2 rows were found").arg(result.rows.size()).arg(table->num_rows));
    return result;
}

} // namespace arvenna

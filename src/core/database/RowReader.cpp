#include "RowReader.h"

#include "Database.h"
#include "DatabaseError.h"
#include "EngineValues.h"
#include "FieldErrors.h"

#include <sqlite3.h>

namespace arvenna {

void RowReader::Finalize::operator()(sqlite3_stmt* statement) const
{
    sqlite3_finalize(statement);
}

RowReader::RowReader(Database& database, const QString& sql, const QVariantList& params)
    : connection_(database.connection()), engine_(database.engineHandle())
{
    sqlite3* engine = engine_;
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* prepared = nullptr;
    const int status = sqlite3_prepare_v2(engine, text.constData(), int(text.size()), &prepared, nullptr);
    statement_.reset(prepared);
    if (status != SQLITE_OK)
        fail(sql);
    if (!statement_)
        throw DatabaseError(QStringLiteral("No statement to read from.\n[%1]").arg(sql));
    const int placeholders = sqlite3_bind_parameter_count(statement_.get());
    if (params.size() != placeholders)
        throw DatabaseError(
            QStringLiteral("%1 values for %2 placeholders.\n[%3]").arg(params.size()).arg(placeholders).arg(sql));
    for (int i = 0; i < params.size(); ++i) {
        if (bindEngineValue(statement_.get(), i + 1, params[i]) != SQLITE_OK)
            fail(sql);
    }
}

RowReader::~RowReader() = default;

void RowReader::fail(const QString& sql) const
{
    const QString message = QString::fromUtf8(sqlite3_errmsg(engine_));
    throw DatabaseError(QStringLiteral("%1\n[%2]").arg(message, sql));
}

bool RowReader::next()
{
    if (finished_)
        return false;
    switch (sqlite3_step(statement_.get())) {
    case SQLITE_ROW:
        return true;
    case SQLITE_DONE:
        finished_ = true;
        return false;
    default:
        fail(QString::fromUtf8(sqlite3_sql(statement_.get())));
    }
}

int RowReader::column(const QString& field) const
{
    const int dot = int(field.lastIndexOf(QLatin1Char('.')));
    const QString table = dot < 0 ? QString() : field.left(dot);
    const QString name = field.mid(dot + 1);
    const auto same = [](const QString& wanted, const char* utf8) {
        return utf8 && wanted.compare(QString::fromUtf8(utf8), Qt::CaseInsensitive) == 0;
    };
    int found = -1;
    const int count = sqlite3_column_count(statement_.get());
    for (int i = 0; i < count; ++i) {
        // A qualified name means the table's own field, whatever the column is called.
        const bool matches = table.isEmpty()
            ? same(name, sqlite3_column_name(statement_.get(), i))
            : same(table, sqlite3_column_table_name(statement_.get(), i))
                && same(name, sqlite3_column_origin_name(statement_.get(), i));
        if (!matches)
            continue;
        if (found >= 0)
            throw ambiguousFieldError(field);
        found = i;
    }
    if (found < 0)
        throw missingFieldError(field);
    return found;
}

bool RowReader::isNull(int column) const
{
    return sqlite3_column_type(statement_.get(), column) == SQLITE_NULL;
}

QVariant RowReader::value(int column) const
{
    return engineColumnValue(statement_.get(), column);
}

QString RowReader::text(int column) const
{
    const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(statement_.get(), column));
    return utf8 ? QString::fromUtf8(utf8, sqlite3_column_bytes(statement_.get(), column)) : QString();
}

qint64 RowReader::integer(int column) const
{
    return sqlite3_column_int64(statement_.get(), column);
}

} // namespace arvenna

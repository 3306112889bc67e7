#include "PreparedStatements.h"

#include "database/Database.h"
#include "database/DatabaseError.h"

#include <QSqlError>
#include <QSqlRecord>

namespace arvenna {

PreparedStatements::PreparedStatements(Database& database)
    : connection_(database.connection())
{
}

QSqlQuery& PreparedStatements::run(const QString& sql, const QVariantList& values)
{
    auto found = queries_.find(sql);
    if (found == queries_.end()) {
        QSqlQuery query(connection_);
        query.setForwardOnly(true);
        if (!query.prepare(sql))
            throw DatabaseError(QStringLiteral("%1\n[%2]").arg(query.lastError().text(), sql));
        found = queries_.emplace(sql, std::move(query)).first;
    }
    QSqlQuery& query = found->second;
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec())
        throw DatabaseError(QStringLiteral("%1\n[%2]").arg(query.lastError().text(), sql));
    return query;
}

QVariantList PreparedStatements::values(const QSqlQuery& query)
{
    QVariantList row;
    const int width = query.record().count();
    row.reserve(width);
    for (int i = 0; i < width; ++i)
        row << query.value(i);
    return row;
}

std::optional<QVariantList> PreparedStatements::firstRow(const QString& sql, const QVariantList& values)
{
    QSqlQuery& query = run(sql, values);
    std::optional<QVariantList> row;
    if (query.next())
        row = PreparedStatements::values(query);
    query.finish();
    return row;
}

QList<QVariantList> PreparedStatements::rows(const QString& sql, const QVariantList& values)
{
    QSqlQuery& query = run(sql, values);
    QList<QVariantList> result;
    while (query.next())
        result << PreparedStatements::values(query);
    query.finish();
    return result;
}

qint64 PreparedStatements::execute(const QString& sql, const QVariantList& values)
{
    QSqlQuery& query = run(sql, values);
    const qint64 id = query.lastInsertId().toLongLong();
    query.finish();
    return id;
}

} // namespace arvenna

#include "SqlConnection.h"

#include "DatabaseError.h"

#include <QAtomicInt>
#include <QSqlError>
#include <algorithm>

namespace arvenna {

namespace {
QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("arvenna-%1").arg(counter.fetchAndAddRelaxed(1));
}
} // namespace

DatabaseError queryError(const QSqlQuery& query, const QString& sql)
{
    // The engine's own words first; Qt's account of its step only when the
    // engine has none.
    const QSqlError error = query.lastError();
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return DatabaseError(QStringLiteral("%1\n[%2]").arg(text, sql), error.nativeErrorCode().toInt());
}

SqlConnection::SqlConnection(const QString& path)
    : name(nextConnectionName())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
}

SqlConnection::~SqlConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QSqlDatabase SqlConnection::database() const
{
    return QSqlDatabase::database(name, false);
}

QSqlQuery SqlConnection::run(const QString& sql, const QVariantList& params, bool forwardOnly) const
{
    QSqlDatabase db = database();
    if (!db.isOpen())
        throw DatabaseError(QStringLiteral("The database is closed."));
    QSqlQuery query(db);
    query.setForwardOnly(forwardOnly);
    if (!query.prepare(sql))
        throw queryError(query, sql);
    for (const QVariant& value : params)
        query.addBindValue(value);
    if (!query.exec())
        throw queryError(query, sql);
    return query;
}

qint64 SqlConnection::reserveCounter(const QString& table, qint64 lowest)
{
    qint64& last = lastCounters_[table.toLower()];
    last = std::max(last + 1, lowest);
    return last;
}

QString quotedIdentifier(const QString& identifier)
{
    QString escaped = identifier;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace arvenna

#pragma once

#include "DatabaseError.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace arvenna {

// A named Qt Sql connection, removed when its last user lets go of it.
// Shared by a Database and the record sets opened on it.
struct SqlConnection {
    explicit SqlConnection(const QString& path);
    ~SqlConnection();
    SqlConnection(const SqlConnection&) = delete;
    SqlConnection& operator=(const SqlConnection&) = delete;

    QSqlDatabase database() const;
    // Prepares, binds and runs a statement; a failure throws DatabaseError.
    QSqlQuery run(const QString& sql, const QVariantList& params, bool forwardOnly = true) const;
    // The counter id for a row about to be added to a table: at least lowest
    // and above every id handed out for that table before, so that adds
    // pending side by side never show the same id.
    qint64 reserveCounter(const QString& table, qint64 lowest);

    QString name;

private:
    QHash<QString, qint64> lastCounters_; // by table name in lower case
};

// The failure of a statement, with the engine's result code and the SQL text.
DatabaseError queryError(const QSqlQuery& query, const QString& sql);

// A table or field name as SQL text; names cannot be bound as values.
QString quotedIdentifier(const QString& identifier);

} // namespace arvenna

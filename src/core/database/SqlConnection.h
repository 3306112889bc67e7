#pragma once

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

    QString name;
};

// A table or field name as SQL text; names cannot be bound as values.
QString quotedIdentifier(const QString& identifier);

} // namespace arvenna

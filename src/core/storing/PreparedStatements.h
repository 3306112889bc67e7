#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <map>
#include <optional>

namespace arvenna {

class Database;

// The statements of a processing run, each prepared once on first use and
// run again with new values bound to its "?" placeholders. Failures throw
// DatabaseError. The statements must not outlive the database.
class PreparedStatements {
public:
    explicit PreparedStatements(Database& database);

    // The first row of a query, columns in the order of its select list.
    std::optional<QVariantList> firstRow(const QString& sql, const QVariantList& values);
    // Every row of a query.
    QList<QVariantList> rows(const QString& sql, const QVariantList& values);
    // A statement that returns no rows; the id of the row it added, if any.
    qint64 execute(const QString& sql, const QVariantList& values);

private:
    QSqlQuery& run(const QString& sql, const QVariantList& values);
    static QVariantList values(const QSqlQuery& query);

    QSqlDatabase connection_;
    std::map<QString, QSqlQuery> queries_;
};

} // namespace arvenna

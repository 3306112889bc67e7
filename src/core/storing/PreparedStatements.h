#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace arvenna {

class Database;

// The statements of a processing run, each prepared once on first use and
// run again with new values bound to its "?" placeholders. They step on the
// engine's own handle: a run executes tens of thousands of small statements,
// and the cost of going through Qt Sql for each would outweigh the engine's
// work. Failures throw DatabaseError. The statements must not outlive the
// database.
class PreparedStatements {
public:
    explicit PreparedStatements(Database& database);
    ~PreparedStatements();
    PreparedStatements(const PreparedStatements&) = delete;
    PreparedStatements& operator=(const PreparedStatements&) = delete;

    // The first row of a query, columns in the order of its select list.
    std::optional<QVariantList> firstRow(const QString& sql, const QVariantList& values);
    // Every row of a query.
    QList<QVariantList> rows(const QString& sql, const QVariantList& values);
    // A statement that returns no rows; after an insert, the id of the row it
    // added. Only inside a transaction.
    qint64 execute(const QString& sql, const QVariantList& values);

private:
    class Running;
    sqlite3_stmt* prepared(const QString& sql);

    QSqlDatabase connection_; // keeps the engine handle open
    sqlite3* engine_;
    QHash<QString, sqlite3_stmt*> statements_;
};

} // namespace arvenna

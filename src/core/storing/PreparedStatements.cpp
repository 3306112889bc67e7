#include "PreparedStatements.h"

#include "database/Database.h"
#include "database/DatabaseError.h"
#include "database/EngineValues.h"

#include <sqlite3.h>

namespace arvenna {

namespace {
DatabaseError statementError(sqlite3* engine, const QString& sql)
{
    return DatabaseError(QStringLiteral("%1\n[%2]").arg(QString::fromUtf8(sqlite3_errmsg(engine)), sql));
}

[[noreturn]] void fail(sqlite3* engine, const QString& sql)
{
    throw statementError(engine, sql);
}
} // namespace

// One use of a prepared statement: its values bound, stepped row by row,
// and reset when done so that it holds no read lock between uses.
class PreparedStatements::Running {
public:
    Running(sqlite3* engine, sqlite3_stmt* statement, const QString& sql, const QVariantList& values)
        : engine_(engine), statement_(statement), sql_(sql)
    {
        if (sqlite3_bind_parameter_count(statement) != values.size())
            throw DatabaseError(QStringLiteral("%1 values for %2 placeholders.\n[%3]")
                                    .arg(values.size())
                                    .arg(sqlite3_bind_parameter_count(statement))
                                    .arg(sql));
        for (int i = 0; i < values.size(); ++i) {
            if (bindEngineValue(statement, i + 1, values.at(i), BoundText::Borrowed) != SQLITE_OK) {
                const DatabaseError error = statementError(engine, sql);
                sqlite3_clear_bindings(statement);
                throw error;
            }
        }
    }
    ~Running()
    {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_); // the borrowed texts go with the values
    }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

    // True on a row, false at the end.
    bool next()
    {
        switch (sqlite3_step(statement_)) {
        case SQLITE_ROW:
            return true;
        case SQLITE_DONE:
            return false;
        default:
            fail(engine_, sql_);
        }
    }

    QVariantList row() const
    {
        QVariantList values;
        const int width = sqlite3_column_count(statement_);
        values.reserve(width);
        for (int i = 0; i < width; ++i)
            values << engineColumnValue(statement_, i);
        return values;
    }

private:
    sqlite3* engine_;
    sqlite3_stmt* statement_;
    const QString& sql_;
};

PreparedStatements::PreparedStatements(Database& database)
    : connection_(database.connection()), engine_(database.engineHandle())
{
}

PreparedStatements::~PreparedStatements()
{
    for (sqlite3_stmt* statement : std::as_const(statements_))
        sqlite3_finalize(statement);
}

sqlite3_stmt* PreparedStatements::prepared(const QString& sql)
{
    if (sqlite3_stmt* statement = statements_.value(sql))
        return statement;
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v3(engine_, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &statement, nullptr)
        != SQLITE_OK) {
        sqlite3_finalize(statement);
        fail(engine_, sql);
    }
    if (!statement)
        throw DatabaseError(QStringLiteral("No statement to run.\n[%1]").arg(sql));
    statements_.insert(sql, statement);
    return statement;
}

std::optional<QVariantList> PreparedStatements::firstRow(const QString& sql, const QVariantList& values)
{
    Running running(engine_, prepared(sql), sql, values);
    if (!running.next())
        return std::nullopt;
    return running.row();
}

QList<QVariantList> PreparedStatements::rows(const QString& sql, const QVariantList& values)
{
    Running running(engine_, prepared(sql), sql, values);
    QList<QVariantList> result;
    while (running.next())
        result << running.row();
    return result;
}

qint64 PreparedStatements::execute(const QString& sql, const QVariantList& values)
{
    // The run writes inside a report's transaction only. When the engine has
    // undone that transaction itself (a full disk), a write would land
    // outside it, beside half a report.
    if (sqlite3_get_autocommit(engine_))
        throw DatabaseError(QStringLiteral("The database engine undid the report's changes.\n[%1]").arg(sql));
    Running running(engine_, prepared(sql), sql, values);
    while (running.next()) {
    }
    return sqlite3_last_insert_rowid(engine_);
}

} // namespace arvenna

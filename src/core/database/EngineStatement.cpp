#include "EngineStatement.h"

#include <sqlite3.h>

namespace arvenna {

DatabaseError engineError(sqlite3* engine)
{
    return DatabaseError(QString::fromUtf8(sqlite3_errmsg(engine)), sqlite3_extended_errcode(engine));
}

EngineStatement::EngineStatement(sqlite3* engine, const QString& sql)
    : engine_(engine)
{
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(engine_, text.constData(), int(text.size()), &statement_, nullptr) != SQLITE_OK)
        throw engineError(engine_);
}

EngineStatement::~EngineStatement()
{
    sqlite3_finalize(statement_);
}

void EngineStatement::bind(int index, qint64 value)
{
    if (sqlite3_bind_int64(statement_, index, value) != SQLITE_OK)
        throw engineError(engine_);
}

bool EngineStatement::step()
{
    const int code = stepCode();
    if (code == SQLITE_ROW)
        return true;
    if (code == SQLITE_DONE)
        return false;
    throw engineError(engine_);
}

int EngineStatement::stepCode()
{
    return sqlite3_step(statement_);
}

// Rewinds for another run; what the last step gave was seen when it ran.
void EngineStatement::reset()
{
    sqlite3_reset(statement_);
}

void runEngineSql(sqlite3* engine, const QString& sql)
{
    if (sqlite3_exec(engine, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw engineError(engine);
}

qint64 engineInteger(sqlite3* engine, const QString& sql)
{
    EngineStatement query(engine, sql);
    if (!query.step())
        throw DatabaseError(QStringLiteral("No value for [%1]").arg(sql));
    return sqlite3_column_int64(query.handle(), 0);
}

} // namespace arvenna

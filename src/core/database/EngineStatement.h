#pragma once

#include "DatabaseError.h"

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace arvenna {

// A statement prepared directly on the engine's handle, for the maintenance
// work that Qt Sql cannot do (copying values exactly, stepping past damage).
// Finalized when it leaves scope.
class EngineStatement {
public:
    EngineStatement(sqlite3* engine, const QString& sql);
    ~EngineStatement();
    EngineStatement(const EngineStatement&) = delete;
    EngineStatement& operator=(const EngineStatement&) = delete;

    sqlite3_stmt* handle() const { return statement_; }
    void bind(int index, qint64 value);
    // One step: true on a row, false at the end; a failure throws.
    bool step();
    // One step, giving the engine's result code instead of throwing.
    int stepCode();
    void reset();

private:
    sqlite3* engine_;
    sqlite3_stmt* statement_ = nullptr;
};

// A failure carrying the engine's last message on that handle.
DatabaseError engineError(sqlite3* engine);
// Runs SQL text that returns nothing of interest; a failure throws.
void runEngineSql(sqlite3* engine, const QString& sql);
// The first column of the first row of a query, as a whole number.
qint64 engineInteger(sqlite3* engine, const QString& sql);

} // namespace arvenna

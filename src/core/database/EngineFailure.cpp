#include "EngineFailure.h"

#include "DatabaseError.h"

#include <sqlite3.h>

namespace arvenna {

namespace {
struct KnownFailure {
    int code;
    const char* reason;
};

// The engine's message for each code is fixed (sqlite3_errstr), and it is
// part of every error text that reaches us, through Qt Sql or directly.
constexpr KnownFailure kKnownFailures[] = {
    {SQLITE_BUSY, "The database is in use by another program."},
    {SQLITE_LOCKED, "The database is in use by another program."},
    {SQLITE_FULL, "The disk is full."},
    {SQLITE_CORRUPT, "The database is damaged."},
    {SQLITE_NOTADB, "The file is not a database."},
    {SQLITE_READONLY, "The database file cannot be written."},
    {SQLITE_CANTOPEN, "The database file cannot be opened."},
    {SQLITE_IOERR, "The database file could not be read or written."},
    {SQLITE_NOMEM, "There is not enough memory."},
};

const KnownFailure* knownFailure(const DatabaseError& error)
{
    for (const KnownFailure& failure : kKnownFailures) {
        if (error.message().contains(QLatin1String(sqlite3_errstr(failure.code))))
            return &failure;
    }
    return nullptr;
}
} // namespace

QString failureReason(const DatabaseError& error)
{
    const KnownFailure* known = knownFailure(error);
    return known ? QString::fromLatin1(known->reason) : error.message();
}

bool isInUseByAnotherProgram(const DatabaseError& error)
{
    const KnownFailure* known = knownFailure(error);
    return known && (known->code == SQLITE_BUSY || known->code == SQLITE_LOCKED);
}

} // namespace arvenna

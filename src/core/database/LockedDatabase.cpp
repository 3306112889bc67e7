#include "LockedDatabase.h"

#include "DatabaseError.h"
#include "EngineStatement.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace arvenna {

namespace {
// How long to wait for another program to finish what it is doing.
constexpr int kLockWaitMilliseconds = 2000;

// The writer lock only for a file that is there: a missing game gets no
// lock file beside it.
QString existingFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw DatabaseError(QStringLiteral("Could not find file '%1'.").arg(path), SQLITE_CANTOPEN);
    return path;
}
} // namespace

LockedDatabase::LockedDatabase(const QString& path)
    : writerLock_(existingFile(path)), database_(Database::openToSalvage(path))
{
    sqlite3* handle = engine();
    sqlite3_busy_timeout(handle, kLockWaitMilliseconds);
    // In this mode the engine keeps every lock it takes until the connection
    // closes; the empty exclusive transaction takes the strongest one now.
    // It is rolled back, not committed: on a file cut short the engine
    // corrects the page count in the header as the transaction begins, and
    // the file stays as it was until maintenance has done its work.
    runEngineSql(handle, QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
    runEngineSql(handle, QStringLiteral("BEGIN EXCLUSIVE"));
    runEngineSql(handle, QStringLiteral("ROLLBACK"));
}

} // namespace arvenna

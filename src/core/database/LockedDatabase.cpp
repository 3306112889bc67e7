#include "LockedDatabase.h"

#include "DatabaseError.h"
#include "EngineStatement.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace arvenna {

namespace {
// How long to wait for another program to finish what it is doing.
constexpr int kLockWaitMilliseconds = 2000;

Database openExisting(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw DatabaseError(QStringLiteral("The file does not exist."));
    if (!isEngineDatabaseFile(path))
        throw DatabaseError(QString::fromLatin1(sqlite3_errstr(SQLITE_NOTADB)));
    return Database::open(path);
}
} // namespace

LockedDatabase::LockedDatabase(const QString& path)
    : database_(openExisting(path))
{
    sqlite3* handle = engine();
    sqlite3_busy_timeout(handle, kLockWaitMilliseconds);
    // In this mode the engine keeps every lock it takes until the connection
    // closes; the empty exclusive transaction takes the strongest one now.
    runEngineSql(handle, QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
    runEngineSql(handle, QStringLiteral("BEGIN EXCLUSIVE"));
    runEngineSql(handle, QStringLiteral("COMMIT"));
}

} // namespace arvenna

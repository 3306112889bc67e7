#include "EngineBackup.h"

#include "DatabaseError.h"
#include "EngineStatement.h"

#include <sqlite3.h>

namespace arvenna {

void copyAllPages(sqlite3* from, sqlite3* to)
{
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup)
        throw engineError(to);
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE)
        throw DatabaseError(QString::fromLatin1(sqlite3_errstr(stepped)));
    if (finished != SQLITE_OK)
        throw engineError(to);
}

} // namespace arvenna

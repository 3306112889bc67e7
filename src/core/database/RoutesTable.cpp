#include "RoutesTable.h"

#include "Database.h"

namespace arvenna {

bool hasRoutesTable(Database& database)
{
    return !database
                .openRecordSet(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? "
                                              "COLLATE NOCASE"),
                               RecordSetType::Snapshot, {kRoutesTable})
                .isEOF();
}

QString addRoutesTable(Database& database)
{
    database.execute(QStringLiteral("CREATE TABLE IF NOT EXISTS ROUTES ("
                                    "ROUTEID INTEGER PRIMARY KEY, "
                                    "PROVINCECODE TEXT NOT NULL, "
                                    "DIRECTION TEXT NOT NULL, "
                                    "DESTCODE TEXT NOT NULL, "
                                    "DESTNAME TEXT NOT NULL DEFAULT '', "
                                    "DAYS INTEGER, "
                                    "TURN INTEGER NOT NULL, "
                                    "UNIQUE (PROVINCECODE, DIRECTION))"));
    return {};
}

} // namespace arvenna

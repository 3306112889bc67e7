#pragma once

#include "EngineMaintenance.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace arvenna {

class UserDialogue;

inline const QString kRepairWorkFile = QStringLiteral("TempDB.MDB");
inline const QString kCompactWorkFile = QStringLiteral("TempDB1.MDB");
inline const QString kRepairRequest = QStringLiteral("DBR");
inline const QString kCompactRequest = QStringLiteral("DBC");
// Beside a database whose repair lost rows, its damaged original.
inline const QString kDamagedCopySuffix = QStringLiteral(".damaged");

// "TempDB.MDB" and "TempDB1.MDB" in any letter case: never a game database.
bool isWorkFileName(const QString& fileName);

struct MaintenanceResult {
    bool succeeded = false;
    QString failureReason;   // why the run failed, naming the file (failureMessage)
    QList<TableLoss> losses; // rows the repair could not read
    explicit operator bool() const { return succeeded; }
    // The run completed, but the repaired game lacks rows the damaged one held.
    bool lostRows() const { return succeeded && !losses.isEmpty(); }
};

// Repairs and/or compacts the database at path (a non-empty request asks
// for that step). The file is held against other programs for the whole
// run (its writer lock and the engine's own locks) and written only
// through the engine, so a failed or interrupted run leaves it as it was. Work files of earlier versions and interrupted runs
// in the program directory are cleared; a file named like one is refused.
// A successful run adds a DATABASEMAINT row; the user is told either way:
// success, the rows a repair lost (instead of the success text), or the
// failure and its cause.
MaintenanceResult repairAndCompact(const QString& programDirectory, const QString& path,
                                   const QString& repairRequest, const QString& compactRequest,
                                   UserDialogue& dialogue, const QDateTime& now = QDateTime::currentDateTime());

// The repair or compaction chosen from a maintenance menu entry, by the
// path its entry lists (DatabaseMenus::paths).
MaintenanceResult repairFromMenu(const QString& programDirectory, const QString& path, UserDialogue& dialogue);
MaintenanceResult compactFromMenu(const QString& programDirectory, const QString& path, UserDialogue& dialogue);

} // namespace arvenna

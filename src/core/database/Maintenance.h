#pragma once

#include <QDateTime>
#include <QString>

namespace arvenna {

class UserDialogue;

inline const QString kRepairWorkFile = QStringLiteral("TempDB.MDB");
inline const QString kCompactWorkFile = QStringLiteral("TempDB1.MDB");
inline const QString kRepairRequest = QStringLiteral("DBR");
inline const QString kCompactRequest = QStringLiteral("DBC");

// Repairs and/or compacts the database at path (a non-empty request asks for
// that step), working on copies in the program directory so that a failure
// leaves the file as it was. A successful run adds a DATABASEMAINT row.
// Returns whether the run succeeded; the user is told either way.
bool repairAndCompact(const QString& programDirectory, const QString& path,
                      const QString& repairRequest, const QString& compactRequest,
                      UserDialogue& dialogue, const QDateTime& now = QDateTime::currentDateTime());

// The repair or compaction chosen from a maintenance menu entry, by the
// path its entry lists (DatabaseMenus::paths).
bool repairFromMenu(const QString& programDirectory, const QString& path, UserDialogue& dialogue);
bool compactFromMenu(const QString& programDirectory, const QString& path, UserDialogue& dialogue);

} // namespace arvenna

#include "Maintenance.h"

#include "../shell/ProgramDirectory.h"
#include "../shell/UserDialogue.h"
#include "Database.h"
#include "DatabaseCaption.h"
#include "DatabaseError.h"
#include "EngineMaintenance.h"

#include <QFile>
#include <QFileInfo>

namespace arvenna {

namespace {
const QString kTitle = QStringLiteral("Database Repair...?");

void removeWorkFile(const QString& path)
{
    if (QFileInfo::exists(path))
        QFile::remove(path);
}

// Appends the maintenance row: now for each step that ran, the previous
// run's date for the other. Rows of equal repair date are told apart by
// their order of addition, so a compact-only run is never taken for older.
void recordMaintenance(const QString& path, bool repaired, bool compacted, const QDateTime& now)
{
    Database database = Database::open(path);
    RecordSet maint = database.openRecordSet(QStringLiteral("SELECT * FROM DATABASEMAINT ORDER BY DBREPAIR DESC, rowid DESC"));
    QVariant lastRepair;
    QVariant lastCompact;
    if (!maint.isEOF()) {
        lastRepair = maint.value(QStringLiteral("DBRepair"));
        lastCompact = maint.value(QStringLiteral("DBCompact"));
    }
    maint.addNew();
    maint.setValue(QStringLiteral("DBRepair"), repaired ? QVariant(now) : lastRepair);
    maint.setValue(QStringLiteral("DBCompact"), compacted ? QVariant(now) : lastCompact);
    maint.update();
    maint.close();
    database.close();
}

} // namespace

bool repairAndCompact(const QString& programDirectory, const QString& path, const QString& repairRequest,
                      const QString& compactRequest, UserDialogue& dialogue, const QDateTime& now)
{
    BusyPointer busy(dialogue);
    const QString repairCopy = programFile(programDirectory, kRepairWorkFile);
    const QString compactCopy = programFile(programDirectory, kCompactWorkFile);
    const bool repair = !repairRequest.isEmpty();
    const bool compact = !compactRequest.isEmpty();

    bool ok = false;
    try {
        if (!replaceFileWithCopy(path, repairCopy))
            throw DatabaseError(QStringLiteral("Could not copy the database."));
        if (repair && repairDatabaseFile(repairCopy) && !replaceFileWithCopy(repairCopy, path))
            throw DatabaseError(QStringLiteral("Could not copy the repaired database back."));
        if (compact) {
            compactDatabaseFile(path, compactCopy);
            if (!replaceFileWithCopy(compactCopy, path))
                throw DatabaseError(QStringLiteral("Could not copy the compacted database back."));
        }
        removeWorkFile(repairCopy);
        recordMaintenance(path, repair, compact, now);
        ok = true;
    } catch (const DatabaseError&) {
        ok = false;
    }
    removeWorkFile(repairCopy);
    removeWorkFile(compactCopy);
    if (ok) {
        dialogue.inform(kTitle, QStringLiteral("Process completed Sucessfully!\n[") + path + QLatin1Char(']'),
                        MessageIcon::Information);
    } else {
        dialogue.inform(kTitle, QStringLiteral("The Process could not be completed Sucessfully!\n[") + path + QLatin1Char(']'),
                        MessageIcon::Critical);
    }
    return ok;
}

// An entry without a database ("No Database Found") does nothing.
bool repairFromMenu(const QString& programDirectory, const QString& path, UserDialogue& dialogue)
{
    return !path.isEmpty() && repairAndCompact(programDirectory, path, kRepairRequest, QString(), dialogue);
}

bool compactFromMenu(const QString& programDirectory, const QString& path, UserDialogue& dialogue)
{
    return !path.isEmpty() && repairAndCompact(programDirectory, path, QString(), kCompactRequest, dialogue);
}

} // namespace arvenna

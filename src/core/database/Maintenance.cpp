#include "Maintenance.h"

#include "../shell/UserDialogue.h"
#include "Database.h"
#include "DatabaseError.h"
#include "EngineFailure.h"
#include "LockedDatabase.h"
#include "Transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace arvenna {

namespace {
const QString kTitle = QStringLiteral("Database Repair...?");

// Work files, the rebuild files of interrupted runs and their journals.
void clearWorkFiles(const QString& programDirectory)
{
    static const QRegularExpression leftover(QStringLiteral("^tempdb1?\\.mdb(\\.rebuild-[^-]*)?(-journal|-wal|-shm)?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QDir dir(programDirectory);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (leftover.match(name).hasMatch() && !QFile::remove(dir.filePath(name)))
            throw DatabaseError(QStringLiteral("The work file [%1] could not be removed.").arg(dir.filePath(name)));
    }
}

// Appends the maintenance row: now for each step that ran, the previous
// run's date for the other. Rows of equal repair date are told apart by
// their order of addition, so a compact-only run is never taken for older.
void recordMaintenance(Database& database, bool repaired, bool compacted, const QDateTime& now)
{
    Transaction transaction(database);
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
    transaction.commit();
}

QString lossesText(const QList<TableLoss>& losses, const QString& damagedCopy)
{
    QString text = QStringLiteral("The repair completed with losses. Rows that could not be read:");
    for (const TableLoss& loss : losses) {
        text += QLatin1Char('\n') + loss.table + QStringLiteral(": ")
            + (loss.rows < 0 ? QStringLiteral("an unknown number of rows") : QStringLiteral("%1 rows").arg(loss.rows));
    }
    return text + QStringLiteral("\nThe damaged original is kept as [") + damagedCopy + QLatin1Char(']');
}
} // namespace

bool isWorkFileName(const QString& fileName)
{
    return fileName.compare(kRepairWorkFile, Qt::CaseInsensitive) == 0
        || fileName.compare(kCompactWorkFile, Qt::CaseInsensitive) == 0;
}

MaintenanceResult repairAndCompact(const QString& programDirectory, const QString& path, const QString& repairRequest,
                                   const QString& compactRequest, UserDialogue& dialogue, const QDateTime& now)
{
    BusyPointer busy(dialogue);
    const bool repair = !repairRequest.isEmpty();
    const bool compact = !compactRequest.isEmpty();
    const QString damagedCopy = path + kDamagedCopySuffix;

    MaintenanceResult result;
    try {
        if (isWorkFileName(QFileInfo(path).fileName()))
            throw DatabaseError(QStringLiteral("The file is named like a work file of maintenance (%1, %2).")
                                    .arg(kRepairWorkFile, kCompactWorkFile));
        clearWorkFiles(programDirectory);
        LockedDatabase database(path);
        if (repair)
            result.losses = repairDatabase(database, damagedCopy).losses;
        if (compact)
            compactDatabase(database);
        recordMaintenance(database.database(), repair, compact, now);
        result.succeeded = true;
    } catch (const DatabaseError& error) {
        result.failureReason = failureMessage(error, path);
    }
    if (!result.succeeded) {
        dialogue.inform(kTitle,
                        QStringLiteral("The Process could not be completed Sucessfully!\n[") + path + QStringLiteral("]\n")
                            + result.failureReason,
                        MessageIcon::Critical);
    } else if (result.lostRows()) {
        dialogue.inform(kTitle, lossesText(result.losses, damagedCopy), MessageIcon::Warning);
    } else {
        dialogue.inform(kTitle, QStringLiteral("Process completed Sucessfully!\n[") + path + QLatin1Char(']'),
                        MessageIcon::Information);
    }
    return result;
}

// An entry without a database ("No Database Found") does nothing.
MaintenanceResult repairFromMenu(const QString& programDirectory, const QString& path, UserDialogue& dialogue)
{
    if (path.isEmpty())
        return {};
    return repairAndCompact(programDirectory, path, kRepairRequest, QString(), dialogue);
}

MaintenanceResult compactFromMenu(const QString& programDirectory, const QString& path, UserDialogue& dialogue)
{
    if (path.isEmpty())
        return {};
    return repairAndCompact(programDirectory, path, QString(), kCompactRequest, dialogue);
}

} // namespace arvenna

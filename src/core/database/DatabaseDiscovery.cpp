#include "DatabaseDiscovery.h"

#include "../shell/ProgramDirectory.h"
#include "../shell/UserDialogue.h"
#include "Database.h"
#include "DatabaseCaption.h"
#include "DatabaseError.h"
#include "EngineFailure.h"
#include "FormatVersion.h"
#include "Maintenance.h"
#include "NewDatabaseName.h"

#include <QDir>
#include <optional>

namespace arvenna {

namespace {
constexpr int kRepairIntervalDays = 60;

// The caption of a usable database, or nothing (after telling the user why).
std::optional<QString> usableCaption(Database& database, const QString& fileName, const QString& path,
                                     UserDialogue& dialogue)
{
    const GameSetup setup = readGameSetup(database);
    if (setup.verdict == GameSetup::Verdict::TooOld)
        dialogue.inform(kVersionTitle, tooOldMessage(path), MessageIcon::Critical);
    if (setup.verdict != GameSetup::Verdict::Usable)
        return std::nullopt;
    return databaseMenuCaption(setup.description, fileName);
}

bool repairIsDue(Database& database, const QDateTime& now)
{
    RecordSet maint = database.openRecordSet(QStringLiteral("SELECT * FROM DATABASEMAINT ORDER BY DBREPAIR DESC"));
    if (maint.isEOF())
        return false;
    const QDateTime lastRepair = maint.dateTime(QStringLiteral("DBRepair"));
    return lastRepair.isValid() && lastRepair < now.addDays(-kRepairIntervalDays);
}
} // namespace

QStringList gameDatabaseFiles(const QString& programDirectory)
{
    QDir dir(programDirectory);
    dir.setNameFilters({QStringLiteral("*.mdb")});
    dir.setFilter(QDir::Files | QDir::Readable);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList names;
    for (const QString& name : dir.entryList()) {
        if (!isWorkFileName(name))
            names << name;
    }
    return names;
}

DiscoveryOutcome discoverDatabases(const QString& programDirectory, DatabaseMenus& menus,
                                   UserDialogue& dialogue, const QDateTime& now)
{
    // A killed creation leaves its work file. One still running in another
    // process then fails cleanly: the game it would replace stays whole.
    removeUnfinishedCreations(programDirectory);
    const QStringList files = gameDatabaseFiles(programDirectory);
    if (files.isEmpty()) {
        dialogue.inform(kProgramTitle, QStringLiteral("Could not find any database, location must be the same as database"),
                        MessageIcon::None);
        menus = DatabaseMenus{};
        return DiscoveryOutcome::NoDatabaseFile;
    }
    QStringList captions;
    QStringList paths;
    for (const QString& fileName : files) {
        const QString path = programFile(programDirectory, fileName);
        dialogue.letEventsRun();
        std::optional<Database> database;
        std::optional<QString> caption;
        try {
            database = Database::open(path);
            caption = usableCaption(*database, fileName, path, dialogue);
        } catch (const DatabaseError& error) {
            dialogue.inform(kProgramTitle, failureMessage(error, path),
                            isInUseByAnotherProgram(error) ? MessageIcon::Warning : MessageIcon::Critical);
            continue;
        }
        if (!caption)
            continue;
        captions << *caption;
        paths << path;
        bool repair = false;
        try {
            repair = repairIsDue(*database, now);
        } catch (const DatabaseError&) {
            // No maintenance history to go by: nothing is due.
        }
        database->close();
        if (repair) {
            dialogue.ask(QStringLiteral("Database Repair...?"),
                         QStringLiteral("The Database has not been repaired for more than 60 days, this will be done now!\n[")
                             + path + QLatin1Char(']'),
                         MessageIcon::Question, DialogueButtons::Ok);
            repairAndCompact(programDirectory, path, kRepairRequest, kCompactRequest, dialogue, now);
        }
    }
    // Nothing of an earlier run stays: with no usable database the lists
    // hold their single "nothing found" entry again.
    menus = DatabaseMenus{};
    if (!captions.isEmpty()) {
        menus.RepHead = captions;
        menus.RepDBItem = captions;
        menus.CompDBItem = captions;
        menus.paths = paths;
        menus.dbtoolsVisible = true;
    }
    return DiscoveryOutcome::Listed;
}

} // namespace arvenna

#include "Migrations.h"

#include "Database.h"
#include "ProvinceCellMigration.h"
#include "RoutesTable.h"
#include "Transaction.h"

#include <iterator>

namespace arvenna {

namespace {
// Every migration in order: the Nth one brings a game to user_version N.
// A new one is added at the end, never in between.
constexpr Migration kMigrations[] = {
    uniqueProvinceCells,
    addRoutesTable,
};

int userVersion(Database& database)
{
    return int(database.openRecordSet(QStringLiteral("PRAGMA user_version"), RecordSetType::Snapshot)
                   .integer(QStringLiteral("user_version")));
}
} // namespace

int latestMigration()
{
    return int(std::size(kMigrations));
}

QStringList migrateGame(Database& database)
{
    QStringList notices;
    for (int done = userVersion(database); done < latestMigration(); ++done) {
        Transaction transaction(database);
        const QString notice = kMigrations[done](database);
        // A pragma takes no bound value; the number is the program's own.
        database.execute(QStringLiteral("PRAGMA user_version = %1").arg(done + 1));
        transaction.commit();
        if (!notice.isEmpty())
            notices << notice;
    }
    return notices;
}

} // namespace arvenna

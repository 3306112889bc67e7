#include "FormatVersion.h"

#include "Database.h"
#include "DatabaseError.h"

#include <sqlite3.h>

namespace arvenna {

namespace {
constexpr double kAcceptedVersion = 6;
}

GameSetup readGameSetup(Database& database)
{
    if (database.openRecordSet(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"),
                               RecordSetType::Snapshot, {QStringLiteral("SETUP")})
            .isEOF())
        throw DatabaseError(QStringLiteral("The database holds no table SETUP."), SQLITE_NOTADB);
    RecordSet setup = database.openRecordSet(QStringLiteral("SELECT * FROM SETUP ORDER BY DATEROW DESC"),
                                             RecordSetType::Snapshot);
    if (setup.isEOF())
        return {};
    bool numeric = false;
    const double version = setup.value(QStringLiteral("MDBVers")).toDouble(&numeric);
    if (!numeric || !(version >= kAcceptedVersion))
        return {GameSetup::Verdict::TooOld, QString()};
    return {GameSetup::Verdict::Usable, setup.text(QStringLiteral("DATABASEDESC"))};
}

QString tooOldMessage(const QString& path)
{
    return QStringLiteral("Error with : ") + path + QLatin1Char('\n') + kTooOld;
}

} // namespace arvenna

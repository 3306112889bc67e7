#include "FormatVersion.h"

#include "Database.h"

namespace arvenna {

namespace {
constexpr double kAcceptedVersion = 6;
}

GameSetup readGameSetup(Database& database)
{
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

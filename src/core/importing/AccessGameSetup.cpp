#include "AccessGameSetup.h"

#include "../database/DatabaseError.h"
#include "../database/FormatVersion.h"
#include "AccessFile.h"

namespace arvenna {

namespace {
constexpr double kOldestFormat = 6;

QVariant field(const AccessTable& table, const QVariantList& row, const QString& name)
{
    const int index = table.fieldIndex(name);
    return index < 0 ? QVariant() : row.at(index);
}
} // namespace

AccessGameSetup readAccessGameSetup(const AccessFile& file, const QString& path)
{
    const DatabaseError notAGame(
        QStringLiteral("The file [%1] is not a game database: it has no SETUP row naming a game type and number.")
            .arg(path));
    if (file.findTable(QStringLiteral("SETUP")).isEmpty())
        throw notAGame;
    const AccessTable setup = file.readTable(QStringLiteral("SETUP"));
    if (setup.rows.isEmpty())
        throw notAGame;
    // The newest row describes the game, as discovery reads it.
    const QVariantList* newest = &setup.rows.constFirst();
    for (const QVariantList& row : setup.rows) {
        if (field(setup, row, QStringLiteral("DateRow")).toString()
            > field(setup, *newest, QStringLiteral("DateRow")).toString())
            newest = &row;
    }
    const std::optional<GameFamily> family = gameFamilyOf(field(setup, *newest, QStringLiteral("GAMETYPE")).toString());
    bool numbered = false;
    const qint64 number = field(setup, *newest, QStringLiteral("GAMENO")).toLongLong(&numbered);
    if (!family || !numbered || number < 1 || number > 32767)
        throw notAGame;
    bool numeric = false;
    const double version = field(setup, *newest, QStringLiteral("MDBVers")).toDouble(&numeric);
    if (!numeric || !(version >= kOldestFormat))
        throw DatabaseError(tooOldMessage(path));
    return {*family, qint16(number)};
}

} // namespace arvenna

#include "Coordinates.h"

#include "ModelValues.h"
#include "database/Database.h"

namespace arvenna {

void ClassCoordinates::setCoordCode(const QString& code)
{
    code_ = formatTwoDigits(code);
}

ClassCoordinates& CollectCoordinates::Add(qint16 CoordId, const QString& CoordCode, const QString& key)
{
    auto coordinates = std::make_unique<ClassCoordinates>();
    coordinates->CoordId = CoordId;
    coordinates->setCoordCode(CoordCode);
    return store(std::move(coordinates), key);
}

CollectXCoord::CollectXCoord(Database& database)
{
    RecordSet rows = database.openRecordSet(QStringLiteral("SELECT * FROM CELLSX"), RecordSetType::Snapshot);
    for (; !rows.isEOF(); rows.moveNext()) {
        const QString code = rows.text(QStringLiteral("CELLORDERX"));
        Add(toInteger(rows.value(QStringLiteral("CELLID")), QStringLiteral("CELLID")), code, code);
    }
}

void CollectYCoord::Init(Database& database, bool ByNum)
{
    CollectYCoord filled;
    RecordSet rows = database.openRecordSet(QStringLiteral("SELECT * FROM CELLSY"), RecordSetType::Snapshot);
    for (; !rows.isEOF(); rows.moveNext()) {
        const qint16 position = toInteger(rows.value(QStringLiteral("CELLID")), QStringLiteral("CELLID"));
        const QString code = rows.text(QStringLiteral("CELLORDERY"));
        filled.Add(position, code, ByNum ? QString::number(position) : code);
    }
    *this = std::move(filled);
}

} // namespace arvenna

#include "InnerLocationFrame.h"

#include "ReferenceLists.h"
#include "database/Database.h"

namespace arvenna {

void showInnerLocation(InnerLocationFrame& frame, Database& database, const ReferenceList& innerTypes,
                       const QString& id)
{
    if (id.isEmpty())
        return;
    bool numeric = false;
    if (id.trimmed().toLongLong(&numeric) == 0 && numeric) {
        const QString shownId = frame.id;
        frame = InnerLocationFrame();
        frame.id = shownId;
        return;
    }
    RecordSet rows = database.openRecordSet(QStringLiteral("Select * From INNERLOCATIONS where INNERLOCALID = ?"),
                                            RecordSetType::Snapshot, {id});
    frame.id = id;
    if (rows.isEOF())
        return;
    frame.number = rows.text(QStringLiteral("LocalNumber"));
    frame.name = rows.text(QStringLiteral("LocalName"));
    frame.entranceSize = QString::number(rows.integer(QStringLiteral("EntranceSize")));
    frame.travelTime = QString::number(rows.integer(QStringLiteral("TravelTime")));
    frame.hidden = rows.flag(QStringLiteral("Hidden"));
    frame.closed = rows.flag(QStringLiteral("Closed"));
    if (rows.isNull(QStringLiteral("INNERTYPEID")))
        return;
    const qsizetype position = innerTypes.ids.indexOf(rows.text(QStringLiteral("INNERTYPEID")));
    if (position >= 0)
        frame.typePosition = int(position);
}

} // namespace arvenna

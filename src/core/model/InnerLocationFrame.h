#pragma once

#include <QString>

namespace arvenna {

class Database;
struct ReferenceList;

// What the inner location frame shows, named after its boxes.
struct InnerLocationFrame {
    QString id;            // TxInnerID
    QString number;        // InInnerNo
    QString name;          // InInnerName
    QString entranceSize;  // TxInnerEntrSize
    QString travelTime;    // TxInnerTravTime
    bool hidden = false;   // CkInnerHidden
    bool closed = false;   // CkInnerClosed
    int typePosition = -1; // CmbInnerType position, -1 for no selection

    bool operator==(const InnerLocationFrame&) const = default;
};

// Shows one inner location's stored values: an empty id changes nothing; 0
// empties every box but the id box; any other id sets the id box and, when
// the row exists, the other boxes and the kind (found through the kinds' id
// list; no change when none matches). Engine failures throw DatabaseError.
void showInnerLocation(InnerLocationFrame& frame, Database& database, const ReferenceList& innerTypes,
                       const QString& id);

} // namespace arvenna

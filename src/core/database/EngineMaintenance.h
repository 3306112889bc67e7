#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace arvenna {

class LockedDatabase;

// Rows of one table that a repair could not read.
struct TableLoss {
    QString table;
    qint64 rows = -1; // -1 when the number could not be counted
    bool operator==(const TableLoss&) const = default;
};

struct RepairOutcome {
    bool rebuilt = false;
    QList<TableLoss> losses;
};

// Checks the database and, when it is damaged or cut short, rebuilds it
// from every row that can still be read and writes the rebuilt copy back
// into the file.
// When rows were lost, the damaged original is first kept at damagedCopy.
// Throws DatabaseError, leaving the file as it was, when a table cannot be
// read at all or the rebuilt copy does not pass the check.
RepairOutcome repairDatabase(LockedDatabase& database, const QString& damagedCopy);

// Rewrites the database without its free pages, in the file itself.
void compactDatabase(LockedDatabase& database);

} // namespace arvenna

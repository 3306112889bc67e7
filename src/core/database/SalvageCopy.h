#pragma once

#include <QString>
#include <QtGlobal>

struct sqlite3;

namespace arvenna {

struct SalvagedTable {
    qint64 copiedRows = 0;
    bool damaged = false; // some part of the table could not be read
};

// Copies every row of a table that can still be read from source into the
// table of the same name in target, each with its own key (rowid). A
// damaged page does not end the copy: the rows after it are found again
// by seeking past the keys that cannot be read. Failures to write target
// throw DatabaseError.
SalvagedTable salvageTable(sqlite3* source, sqlite3* target, const QString& table);

} // namespace arvenna

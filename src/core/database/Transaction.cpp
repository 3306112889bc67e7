#include "Transaction.h"

#include "Database.h"
#include "DatabaseError.h"

namespace arvenna {

Transaction::Transaction(Database& database)
    : database_(database)
{
    database_.execute(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (!open_)
        return;
    try {
        database_.execute(QStringLiteral("ROLLBACK"));
    } catch (const DatabaseError&) {
        // The engine has already rolled back (a failed commit, a closed file).
    }
}

// A failed COMMIT leaves the guard open, so that its end undoes the writes.
void Transaction::commit()
{
    database_.execute(QStringLiteral("COMMIT"));
    open_ = false;
}

} // namespace arvenna

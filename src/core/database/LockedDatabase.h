#pragma once

#include "Database.h"
#include "WriterLock.h"

#include <QString>

struct sqlite3;

namespace arvenna {

// A game database held for maintenance. It takes the game's writer lock, so
// a program that has the game open for writing refuses it at once. Opening it through the engine rolls
// back a journal left by a program killed mid-write; from then until it is
// dropped no other program can read or write the file, so nothing is copied
// or replaced under someone else's open transaction. Whatever maintenance
// writes goes through this connection into the file itself, which keeps its
// owner, permissions and links, and a run killed halfway is rolled back by
// the next open like any other interrupted write. A file cut short opens
// too, as far as it goes (Database::openToSalvage).
class LockedDatabase {
public:
    // Throws DatabaseError (with a cause for failureMessage) when the file is
    // missing, is not a database, is open for writing in another program or
    // stays held by another program after a short wait.
    explicit LockedDatabase(const QString& path);

    Database& database() { return database_; }
    sqlite3* engine() const { return database_.engineHandle(); }
    const QString& path() const { return database_.path(); }

private:
    WriterLock writerLock_;
    Database database_;
};

} // namespace arvenna

#pragma once

#include "Database.h"

#include <QString>

struct sqlite3;

namespace arvenna {

// A game database held for maintenance. Opening it through the engine rolls
// back a journal left by a program killed mid-write; from then until it is
// dropped no other program can read or write the file, so nothing is copied
// or replaced under someone else's open transaction. Whatever maintenance
// writes goes through this connection into the file itself, which keeps its
// owner, permissions and links, and a run killed halfway is rolled back by
// the next open like any other interrupted write.
class LockedDatabase {
public:
    // Throws DatabaseError (with a reason for failureReason) when the file is
    // missing, is not a database or stays held by another program after a
    // short wait.
    explicit LockedDatabase(const QString& path);

    Database& database() { return database_; }
    sqlite3* engine() const { return database_.engineHandle(); }
    const QString& path() const { return database_.path(); }

private:
    Database database_;
};

} // namespace arvenna

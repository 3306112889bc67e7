#pragma once

#include "Database.h"

#include <QString>
#include <optional>

namespace arvenna {

// The connection to the open game database, through which every reader and
// writer opens its record sets.
class ClassConnection {
public:
    // Replaces the database object.
    void setDatabaseConnection(Database database);
    // The open database; throws DatabaseError when the connection is not active.
    Database& DatabaseConnection();

    // Stores the path and opens that file for reading and writing; throws
    // DatabaseError when it cannot be opened.
    void setDBName(const QString& path);
    const QString& DBName() const { return dbName_; }

    void ConnectionClose();
    bool ConnectionActive() const { return database_.has_value(); }

private:
    QString dbName_;
    std::optional<Database> database_;
};

} // namespace arvenna

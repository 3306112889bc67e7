#include "ClassConnection.h"

#include "DatabaseError.h"

namespace arvenna {

void ClassConnection::setDatabaseConnection(Database database)
{
    database_ = std::move(database);
}

Database& ClassConnection::DatabaseConnection()
{
    if (!database_)
        throw DatabaseError(QStringLiteral("No database is open."));
    return *database_;
}

void ClassConnection::setDBName(const QString& path)
{
    dbName_ = path;
    database_ = Database::open(path);
}

void ClassConnection::ConnectionClose()
{
    if (!database_)
        return;
    database_->close();
    database_.reset();
}

} // namespace arvenna

#include "Database.h"

#include "DatabaseError.h"
#include "SqlConnection.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <sqlite3.h>

namespace arvenna {

bool isEngineDatabaseFile(const QString& path)
{
    static const QByteArray signature("SQLite format 3\0", 16);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(signature.size()) == signature;
}

Database Database::open(const QString& path)
{
    return openFile(path, false);
}

Database Database::openToSalvage(const QString& path)
{
    return openFile(path, true);
}

Database Database::openFile(const QString& path, bool salvage)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        throw DatabaseError(QStringLiteral("Could not find file '%1'.").arg(path), SQLITE_CANTOPEN);
    if (!isEngineDatabaseFile(path))
        throw DatabaseError(QString::fromLatin1(sqlite3_errstr(SQLITE_NOTADB)), SQLITE_NOTADB);

    auto connection = std::make_shared<SqlConnection>(path);
    QSqlDatabase db = connection->database();
    if (!db.open())
        throw DatabaseError(QStringLiteral("Could not open '%1': %2").arg(path, db.lastError().text()),
                            db.lastError().nativeErrorCode().toInt());
    // The engine's switch for a schema it may not trust also has it count
    // the pages of a file cut short by the file's length (no page is read
    // before this).
    if (salvage)
        connection->run(QStringLiteral("PRAGMA writable_schema = ON"), {});
    // Reading the catalogue proves the file is readable as a database.
    connection->run(QStringLiteral("SELECT count(*) FROM sqlite_master"), {});
    return Database(std::move(connection), path);
}

Database::Database(std::shared_ptr<SqlConnection> connection, QString path)
    : connection_(std::move(connection)), path_(std::move(path))
{
}

Database::Database(Database&&) noexcept = default;
Database& Database::operator=(Database&&) noexcept = default;
Database::~Database() = default;

bool Database::isOpen() const
{
    return connection_ && connection_->database().isOpen();
}

const QString& Database::path() const
{
    return path_;
}

void Database::close()
{
    if (connection_)
        connection_->database().close();
    connection_.reset();
}

RecordSet Database::openRecordSet(const QString& sql, RecordSetType type, const QVariantList& params)
{
    if (!connection_)
        throw DatabaseError(QStringLiteral("The database is closed."));
    return RecordSet(connection_, sql, type, params);
}

void Database::execute(const QString& sql, const QVariantList& params)
{
    if (!connection_)
        throw DatabaseError(QStringLiteral("The database is closed."));
    connection_->run(sql, params);
}

QSqlDatabase Database::connection() const
{
    if (!connection_)
        throw DatabaseError(QStringLiteral("The database is closed."));
    return connection_->database();
}

sqlite3* Database::engineHandle() const
{
    const QVariant handle = connection().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw DatabaseError(QStringLiteral("The database connection gives no engine handle."));
    sqlite3* engine = *static_cast<sqlite3* const*>(handle.constData());
    if (!engine)
        throw DatabaseError(QStringLiteral("The database is closed."));
    return engine;
}

} // namespace arvenna

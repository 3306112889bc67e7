#include "GameSession.h"

#include "DatabaseCaption.h"
#include "DatabaseError.h"
#include "EngineFailure.h"
#include "Migrations.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace arvenna {

namespace {
// The engine opens a file it may not write for reading only, and says so
// at the first write: a writer finds out now.
void requireWritable(Database& database)
{
    if (sqlite3_db_readonly(database.engineHandle(), "main") == 1)
        throw DatabaseError(QString::fromLatin1(sqlite3_errstr(SQLITE_READONLY)), SQLITE_READONLY);
}
} // namespace

GameSession::OpenResult GameSession::open(const QString& caption, const QString& path, GameAccess access,
                                          std::unique_ptr<WriterLock> heldLock)
{
    if (path.isEmpty()) {
        CurrentDBName.clear();
        return OpenResult::NotADatabaseEntry;
    }
    close();
    if (!QFileInfo(path).isFile())
        return OpenResult::FileMissing;
    try {
        std::unique_ptr<WriterLock> lock;
        if (access == GameAccess::Writer)
            lock = heldLock ? std::move(heldLock) : std::make_unique<WriterLock>(path);
        auto connection = std::make_unique<ClassConnection>();
        connection->setDBName(path);
        QStringList notices;
        if (access == GameAccess::Writer) {
            requireWritable(connection->DatabaseConnection());
            notices = migrateGame(connection->DatabaseConnection());
        }
        writerLock = std::move(lock);
        CurrentConnection = std::move(connection);
        openingNotices = notices;
    } catch (const DatabaseError& error) {
        throw DatabaseError(failureMessage(error, path), error.engineCode());
    }
    CurrentDBDesc = descriptionFromCaption(caption, QFileInfo(path).fileName());
    CurrentDBName = path;
    return OpenResult::Opened;
}

void GameSession::close()
{
    if (CurrentConnection)
        CurrentConnection->ConnectionClose();
    CurrentConnection.reset();
    writerLock.reset();
    CurrentDBName.clear();
    CurrentDBDesc.clear();
    openingNotices.clear();
}

} // namespace arvenna

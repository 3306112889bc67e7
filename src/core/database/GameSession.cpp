#include "GameSession.h"

#include "DatabaseCaption.h"

#include <QFileInfo>

namespace arvenna {

GameSession::OpenResult GameSession::open(const QString& caption, const QString& path)
{
    if (path.isEmpty()) {
        CurrentDBName.clear();
        return OpenResult::NotADatabaseEntry;
    }
    close();
    if (!QFileInfo(path).isFile())
        return OpenResult::FileMissing;
    auto connection = std::make_unique<ClassConnection>();
    connection->setDBName(path);
    CurrentConnection = std::move(connection);
    CurrentDBDesc = descriptionFromCaption(caption, QFileInfo(path).fileName());
    CurrentDBName = path;
    return OpenResult::Opened;
}

void GameSession::close()
{
    if (CurrentConnection)
        CurrentConnection->ConnectionClose();
    CurrentConnection.reset();
    CurrentDBName.clear();
    CurrentDBDesc.clear();
}

} // namespace arvenna

#include "GameSession.h"

#include "../shell/ProgramDirectory.h"
#include "DatabaseCaption.h"

#include <QFileInfo>

namespace arvenna {

GameSession::OpenResult GameSession::openFromCaption(const QString& caption, const QString& programDirectory)
{
    const QString trimmed = caption.trimmed();
    const auto fileName = fileNameFromCaption(trimmed);
    if (!fileName) {
        CurrentDBName.clear();
        return OpenResult::NotADatabaseEntry;
    }
    close();
    const QString path = programFile(programDirectory, *fileName);
    if (!QFileInfo(path).isFile())
        return OpenResult::FileMissing;
    auto connection = std::make_unique<ClassConnection>();
    connection->setDBName(path);
    CurrentConnection = std::move(connection);
    CurrentDBDesc = descriptionFromCaption(trimmed);
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

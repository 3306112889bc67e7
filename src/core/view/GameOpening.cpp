#include "GameOpening.h"

#include "LoadingPainter.h"
#include "ViewCommands.h"
#include "database/Database.h"
#include "database/DatabaseCaption.h"
#include "database/DatabaseError.h"
#include "database/EngineFailure.h"
#include "database/FormatVersion.h"
#include "model/MapModel.h"
#include "model/ModelLoader.h"

#include <QFileInfo>
#include <optional>

namespace arvenna {

namespace {
// The menu caption of a game database the program can read.
QString usableCaption(const QString& path)
{
    GameSetup setup;
    try {
        Database database = Database::open(path);
        setup = readGameSetup(database);
    } catch (const DatabaseError& error) {
        throw DatabaseError(failureMessage(error, path), error.engineCode());
    }
    if (setup.verdict == GameSetup::Verdict::TooOld)
        throw DatabaseError(tooOldMessage(path));
    if (setup.verdict == GameSetup::Verdict::Undescribed)
        throw DatabaseError(QStringLiteral("The database [%1] holds no game description.").arg(path));
    return databaseMenuCaption(setup.description, QFileInfo(path).fileName());
}

void loadInto(MapModel& model, Database& database, const MapView& view, QImage* loadingPicture)
{
    MapModel loaded;
    fillReferenceLists(loaded, database);
    std::optional<LoadingPainter> painter;
    if (loadingPicture)
        painter.emplace(*loadingPicture, loaded, view, database);
    loadMapModel(loaded, database, painter ? &*painter : nullptr);
    model = std::move(loaded);
}
} // namespace

GameSession::OpenResult openGame(QString path, GameSession& session, MapModel& model, MapView& view,
                                 QImage* loadingPicture, GameAccess access)
{
    // Reopening its own game (a reload), a writer never lets go of it.
    std::unique_ptr<WriterLock> held;
    if (access == GameAccess::Writer && !path.isEmpty() && session.CurrentDBName == path)
        held = std::move(session.writerLock);
    closeGame(session, view);
    if (path.isEmpty())
        return GameSession::OpenResult::NotADatabaseEntry;
    if (!QFileInfo(path).isFile())
        return GameSession::OpenResult::FileMissing;
    const GameSession::OpenResult opened = session.open(usableCaption(path), path, access, std::move(held));
    if (opened != GameSession::OpenResult::Opened)
        return opened;
    try {
        loadInto(model, session.CurrentConnection->DatabaseConnection(), view, loadingPicture);
    } catch (const DatabaseError&) {
        session.close();
        throw;
    }
    mapOpened(view, model);
    return opened;
}

void closeGame(GameSession& session, MapView& view)
{
    session.close();
    mapClosed(view);
}

} // namespace arvenna

#include "GameFileOpening.h"

#include "ViewCommands.h"
#include "database/GameSession.h"
#include "model/MapModel.h"
#include "model/ModelLoader.h"

#include <QFileInfo>

namespace arvenna {

void openGameFile(GameSession& session, const QString& path, MapModel& model, MapView& view,
                  MapLoadObserver* observer)
{
    session.close();
    auto connection = std::make_unique<ClassConnection>();
    connection->setDBName(QFileInfo(path).absoluteFilePath());
    session.CurrentConnection = std::move(connection);
    session.CurrentDBName = session.CurrentConnection->DBName();
    openMapModel(model, session, observer);
    mapOpened(view, model);
}

} // namespace arvenna

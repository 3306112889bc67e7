#pragma once

#include "database/DatabaseMenus.h"
#include "database/GameSession.h"
#include "model/MapModel.h"
#include "shell/ExternalApplications.h"
#include "view/MapPictures.h"
#include "view/MapView.h"

#include <QList>
#include <QString>

namespace arvenna {

// The application-wide values of the desktop program.
struct AppState {
    QString programDirectory;
    QString RepsDirectory;
    GameSession game;
    MapModel model;
    MapView view;
    MapPictures pictures;
    DatabaseMenus databaseMenus;
    QList<ExternalApplication> externalApplications;
};

} // namespace arvenna

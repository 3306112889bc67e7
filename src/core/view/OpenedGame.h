#pragma once

#include "database/GameSession.h"
#include "model/MapModel.h"
#include "view/MapView.h"

namespace arvenna {

// A game as a command or a benchmark holds it: the session, its map and the
// view that shows it (see openGame).
struct OpenedGame {
    GameSession session;
    MapModel model;
    MapView view;
};

} // namespace arvenna

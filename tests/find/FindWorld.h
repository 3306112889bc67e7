#pragma once

#include "TestHome.h"
#include "database/GameSession.h"
#include "model/MapModel.h"
#include "view/MapView.h"

#include <QString>

namespace arvenna {

// A game to search: three provinces of the region "Green Reach" on row ab
// and three of "Salt & Fens" on row ae (names with a quote, "%", "_" and
// letters beyond ASCII), an unnamed province at ab07, "Farhold" far off at
// dl80; cities, inner locations (one inside another, one inside a city),
// and characters whose last known locations are written in each way a
// report writes them, or name no place.
QString findWorldSql();

// The world's game in a throw-away program directory, open with its map
// loaded; extraSql runs on it first.
struct FindWorld {
    explicit FindWorld(const QString& extraSql = QString());

    TestHome home;
    QString path;
    GameSession session;
    MapModel model;
    MapView view;
};

} // namespace arvenna

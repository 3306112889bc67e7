#pragma once

#include "TestHome.h"
#include "database/GameSession.h"
#include "export/ExportSettings.h"
#include "model/MapModel.h"
#include "view/MapView.h"

#include <QString>
#include <QStringList>

namespace arvenna {

// A game of six columns (00 to 05) and three surface rows (aa to ac) with a
// province in column 00 with a city, one without a name (but with a city),
// a swamp, a sea lane with an island, two rulers (one with an unknown noble
// and castle province), names holding "<", "&" and letters beyond ASCII, and
// a province below the surface.
QString smallWorldSql();

// The small world's database in a throw-away program directory, open as the game.
struct SmallWorld {
    SmallWorld();

    TestHome home;
    QString path;
    GameSession session;
    MapModel model;
    MapView view;
};

// The lines of an expected page beside the tests.
QStringList expectedPage(const QString& name);
QStringList pageLines(const QByteArray& page);

// Export settings from a start column and row with those options.
ExportSettings exportSettings(int column, int row, std::array<bool, 4> options);
// The SETTINGS rows of a game as "CODE=value", by code.
QStringList settingRows(const QString& path);

} // namespace arvenna
